#include "credit/chiffres.h"

#include "calc/motif.h"
#include "calc/nombres.h"
#include "credit/argent.h"
#include "credit/bilan.h"
#include "credit/deroulement.h"
#include "credit/lissage.h"
#include "credit/ptz.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace credit {
namespace {

// A loan's schedule and its running sums in cents, k lines paid for k = 0 ... n:
// a cost at any horizon is then a few look-ups.
struct Cumuls {
    std::vector<std::int64_t> interets, interets_et_assurance, du;

    explicit Cumuls(const Pret& pret, const std::vector<Ligne>& lignes)
        : interets{0}, interets_et_assurance{0}, du{centimes(pret.capital)}
    {
        for (const Ligne& l : lignes) {
            std::int64_t i = centimes(l.interets);
            interets.push_back(interets.back() + i);
            interets_et_assurance.push_back(interets_et_assurance.back() + i + centimes(l.assurance));
            du.push_back(centimes(l.capital_restant_du));
        }
    }
};

// An offer's loans and their schedules, amounts in cents: the contract's, and
// as they will run with their events.
struct Calcul {
    const OffreBancaire& offre;
    std::vector<std::vector<Ligne>> lignes;
    std::vector<Deroulement> deroulements;
    std::vector<Cumuls> cumuls;  // of the lines as they will run
    std::int64_t cout_evenements = 0;

    std::int64_t frais() const
    {
        return centimes(offre.frais.dossier) + centimes(offre.frais.courtage) + centimes(offre.frais.garantie);
    }
};

std::int64_t cout_des_evenements(const std::vector<EvenementApplique>& evenements)
{
    std::int64_t cout = 0;
    for (const EvenementApplique& e : evenements)
        cout += e.indemnite + e.frais;
    return cout;
}

// The penalty on loan i's capital owed after its first k lines (and their
// events), repaid then, and what its events cost up to there.
std::pair<std::int64_t, std::int64_t> indemnites_apres(const Calcul& c, std::size_t i, std::size_t k)
{
    const Pret& p = c.offre.prets[i];
    bool lisse = c.offre.lissage && i == 0;  // smoothed, its steps aside: the running sums hold it
    if (!p.evenements.empty() || (!p.paliers.empty() && !lisse)) {  // the rate in force may not be the loan's
        Deroulement d = derouler(p, c.offre.credit, c.offre.indemnites, static_cast<int>(k));
        return {d.indemnite_finale, cout_des_evenements(d.evenements)};
    }
    const Cumuls& s = c.cumuls[i];
    std::size_t n = c.lignes[i].size();
    if (k >= n)
        return {0, 0};
    int mois = static_cast<int>(n - k) * (12 / p.periodes_par_an);
    return {indemnite(c.offre.credit, c.offre.indemnites,
                      {s.du[k], s.du[k], p.taux_annuel, mois, s.interets[n] - s.interets[k]}),
            0};
}

// The cost at h years, and the penalties on what is then owed.
std::pair<std::int64_t, std::int64_t> cout_a(const Calcul& c, int h)
{
    std::int64_t cout = c.frais() - centimes(c.offre.frais.garantie_restituee), indemnites = 0;
    for (std::size_t i = 0; i < c.lignes.size(); ++i) {
        auto k = std::min(static_cast<std::size_t>(h) * static_cast<std::size_t>(c.offre.prets[i].periodes_par_an),
                          c.deroulements[i].lignes.size());
        auto [finale, evenements] = indemnites_apres(c, i, k);
        cout += c.cumuls[i].interets_et_assurance[k] + evenements;
        indemnites += finale;
    }
    return {cout + indemnites, indemnites};
}

std::optional<double> taeg(const Calcul& c, bool avec_assurance)
{
    std::int64_t recu = -c.frais();
    for (const Pret& p : c.offre.prets)
        recu += centimes(p.capital);
    std::vector<Flux> flux{{0, en_euros(recu)}};
    for (std::size_t i = 0; i < c.lignes.size(); ++i)
        ajouter_flux(flux, c.offre.prets[i], c.lignes[i], avec_assurance);
    return taux_actuariel(flux);
}

// Twelve times the largest month's outlay, in cents: a line of a loan paid p
// times a year weighs p / 12 of itself in each month it covers.
std::int64_t plus_fort_mois_fois_12(const Calcul& c)
{
    std::vector<std::int64_t> mois;
    for (std::size_t i = 0; i < c.lignes.size(); ++i) {
        int p = c.offre.prets[i].periodes_par_an, duree = 12 / p;
        const std::vector<Ligne>& l = c.lignes[i];
        std::size_t comptees = l.size() > 1 ? l.size() - 1 : l.size();
        mois.resize(std::max(mois.size(), comptees * static_cast<std::size_t>(duree)));
        for (std::size_t k = 0; k < comptees; ++k)
            for (int m = 0; m < duree; ++m)
                mois[k * static_cast<std::size_t>(duree) + static_cast<std::size_t>(m)] +=
                    centimes(l[k].echeance + l[k].assurance) * p;
    }
    return mois.empty() ? 0 : *std::max_element(mois.begin(), mois.end());
}

void endettement(const Calcul& c, const Situation& s, Chiffres& ch, bool& excessif)
{
    if (!s.revenu_mensuel || *s.revenu_mensuel <= 0)
        return;
    std::int64_t fois_12 = plus_fort_mois_fois_12(c) + 12 * centimes(s.charges_mensuelles.value_or(0));
    ch.endettement = en_euros(fois_12) / 12 / *s.revenu_mensuel;
    excessif = Entier(100) * fois_12 > Entier(endettement_maxi_pour_cent) * 12 * centimes(*s.revenu_mensuel);
}

void totaux(const Calcul& c, Chiffres& ch)
{
    std::int64_t montant = 0, echeance = 0, avec_assurance = 0, interets = 0, assurance = 0, contrat = 0;
    for (std::size_t i = 0; i < c.lignes.size(); ++i) {
        const std::vector<Ligne>& l = c.lignes[i];
        montant += centimes(c.offre.prets[i].capital);
        echeance += centimes(l.front().echeance);
        avec_assurance += centimes(l.front().echeance + l.front().assurance);
        interets += c.cumuls[i].interets.back();
        assurance += c.cumuls[i].interets_et_assurance.back() - c.cumuls[i].interets.back();
        for (const Ligne& ligne : l)
            contrat += centimes(ligne.interets) + centimes(ligne.assurance);
    }
    ch.montant = en_euros(montant);
    ch.echeance = en_euros(echeance), ch.echeance_avec_assurance = en_euros(avec_assurance);
    ch.interets = en_euros(interets), ch.assurance = en_euros(assurance), ch.frais = en_euros(c.frais());
    std::int64_t total = interets + assurance + c.frais() + c.cout_evenements;
    ch.cout_total = en_euros(total);
    ch.cout_net = en_euros(total - centimes(c.offre.frais.garantie_restituee));
    if (std::any_of(c.offre.prets.begin(), c.offre.prets.end(), [](const Pret& p) { return !p.evenements.empty(); })) {
        ch.cout_evenements = en_euros(c.cout_evenements);
        ch.gain_evenements = en_euros(contrat + c.frais() - total);
    }
}

void verifier_l_annonce(const OffreBancaire& o, Chiffres& ch)
{
    if (o.annonce.taeg && ch.taeg)
        ch.ecart_taeg = (*ch.taeg - *o.annonce.taeg) * 100;
    if (o.annonce.echeance)
        ch.ecart_echeance = en_euros(centimes(ch.echeance) - centimes(*o.annonce.echeance));
}

// Each loan's contract lines, and as it will run with its events; none when one cannot be.
std::optional<Calcul> calculer(const OffreBancaire& offre, Financement& f)
{
    Calcul c{offre, {}, {}, {}};
    if (!f.erreur.empty() || offre.prets.empty())
        return std::nullopt;
    for (std::size_t i = 0; i < offre.prets.size(); ++i) {
        const Pret& p = offre.prets[i];
        c.lignes.push_back(std::move(f.lignes[i]));
        c.deroulements.push_back(p.evenements.empty() ? Deroulement{.lignes = c.lignes.back()}
                                                      : derouler(p, offre.credit, offre.indemnites));
        if (!c.deroulements.back().erreur.empty())
            return std::nullopt;
        c.cumuls.emplace_back(p, c.deroulements.back().lignes);
        c.cout_evenements += cout_des_evenements(c.deroulements.back().evenements);
    }
    return c;
}

}  // namespace

int annees(const OffreBancaire& offre)
{
    int plus_longue = 0;
    for (const Pret& p : offre.prets)
        plus_longue = std::max(plus_longue, (p.nb_echeances + p.periodes_par_an - 1) / std::max(1, p.periodes_par_an));
    return plus_longue;
}

std::optional<Chiffres> chiffrer(const OffreBancaire& offre, const Situation& situation, int horizon, int annees)
{
    Financement f = financer(offre);
    std::optional<Calcul> calcul = calculer(offre, f);
    if (!calcul)
        return std::nullopt;
    const Calcul& c = *calcul;
    Chiffres ch;
    totaux(c, ch);
    ch.taeg = taeg(c, true);
    if (auto sans = taeg(c, false); ch.taeg && sans)
        ch.taea = *ch.taeg - *sans;
    bool excessif = false;
    endettement(c, situation, ch, excessif);
    auto [cout, indemnites] = cout_a(c, horizon);
    ch.cout_horizon = en_euros(cout), ch.indemnites_horizon = en_euros(indemnites);
    for (int a = 1; a <= annees; ++a)
        ch.cout_par_annee.push_back(en_euros(cout_a(c, a).first));
    verifier_l_annonce(offre, ch);
    ch.alertes = alertes({.taeg = ch.taeg,
                          .endettement = ch.endettement,
                          .endettement_excessif = excessif,
                          .annees = static_cast<double>(credit::annees(offre)),
                          .taux_usure = situation.taux_usure,
                          .quoi = "cette offre"});
    for (std::string& a : alertes_ptz(offre))
        ch.alertes.push_back(std::move(a));
    if (f.versement)
        ch.versement_lisse = en_euros(*f.versement);
    return ch;
}

std::string controle_taeg(std::optional<double> ecart)
{
    if (!ecart)
        return "—";
    if (std::fabs(*ecart) < 0.1)
        return "conforme";
    std::string points = calc::format_motif(std::fabs(*ecart), "##0.00");
    return std::string("TAEG annoncé trop ") + (*ecart > 0 ? "bas" : "haut") + " de " + points +
           (calc::virg(points).value_or(0) >= 2 ? " points" : " point");
}

std::string controle_echeance(std::optional<double> ecart)
{
    if (!ecart)
        return "—";
    return *ecart == 0 ? "conforme" : "écart de " + calc::euros(std::fabs(*ecart));
}

}  // namespace credit
