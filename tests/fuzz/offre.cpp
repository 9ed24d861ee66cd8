// Any valid offer with events, steps, deferrals and smoothing: its figures,
// when it has some, are finite; the cost at the horizon past every loan's end
// is the net cost; a penalty never exceeds its caps; a smoothed outlay is the
// same every month.
#include "credit/argent.h"
#include "credit/chiffres.h"
#include "credit/deroulement.h"
#include "credit/lissage.h"
#include "donnees_pret.h"
#include "verifier.h"

#include <algorithm>
#include <cmath>

namespace {

credit::Evenement evenement_tire(FuzzedDataProvider& d)
{
    using S = credit::SorteEvenement;
    credit::Evenement ev{.sorte = d.PickValueInArray({S::remboursement_partiel, S::remboursement_total, S::modulation,
                                                      S::assurance, S::taux}),
                         .apres_echeance = d.ConsumeIntegralInRange(1, 600)};
    ev.montant = d.ConsumeFloatingPointInRange(0.01, 1e6);
    ev.reduire = d.ConsumeBool() ? credit::Reduire::duree : credit::Reduire::echeance;
    ev.exoneration = d.ConsumeBool();
    ev.pourcentage = d.ConsumeFloatingPointInRange(-99.0, 100.0);
    if (ev.sorte == S::assurance)
        ev.assurances = {assurance_tiree(d)};
    ev.taux_annuel = d.ConsumeFloatingPointInRange(0.0, 0.2);
    ev.frais = d.ConsumeFloatingPointInRange(0.0, 3000.0);
    return ev;
}

void financement_tire(FuzzedDataProvider& d, credit::Pret& p)
{
    if (d.ConsumeBool())
        p.differe = credit::Differe{d.ConsumeIntegralInRange(1, 60),
                                    d.ConsumeBool() ? credit::Differe::Sorte::partiel : credit::Differe::Sorte::total};
    for (int reste = p.nb_echeances - (p.differe ? p.differe->nb_echeances : 0); reste > 0 && d.ConsumeBool();) {
        int n = d.ConsumeIntegralInRange(1, reste);
        reste -= n;
        p.paliers.push_back({n, d.ConsumeBool() ? std::optional(d.ConsumeFloatingPointInRange(0.0, 0.2)) : std::nullopt,
                             d.ConsumeBool() ? std::optional(d.ConsumeFloatingPointInRange(1.0, 1e5)) : std::nullopt});
        if (reste > 0 && !d.ConsumeBool())
            p.paliers.back().nb_echeances += reste, reste = 0;
    }
}

// Each penalty within the legal caps of its kind of credit, at the highest rate the loan may have.
void verifier_indemnites(const credit::OffreBancaire& o, const credit::Pret& p, const credit::Deroulement& d)
{
    double taux = p.taux_annuel;
    for (const credit::Palier& palier : p.paliers)
        taux = std::max(taux, palier.taux_annuel.value_or(0));
    for (const credit::Evenement& ev : p.evenements)
        taux = std::max(taux, ev.taux_annuel);
    for (const credit::EvenementApplique& e : d.evenements) {
        VERIFIER(e.indemnite >= 0);
        double plafond = o.credit == credit::Credit::immobilier ? std::max(taux, 0.0) / 2 : 0.01;
        VERIFIER(e.indemnite <= std::llround(static_cast<double>(e.rembourse) * plafond) + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    FuzzedDataProvider d(donnees, taille);
    credit::OffreBancaire o{.nom = "Offre", .credit = d.ConsumeBool() ? credit::Credit::immobilier
                                                                       : credit::Credit::consommation};
    for (int i = d.ConsumeIntegralInRange(1, 3); i > 0; --i) {
        o.prets.push_back(pret_tire(d));
        o.prets.back().frais = 0;
        financement_tire(d, o.prets.back());
        for (int e = d.ConsumeIntegralInRange(0, 4); e > 0; --e)
            o.prets.back().evenements.push_back(evenement_tire(d));
    }
    o.frais = {d.ConsumeFloatingPointInRange(0.0, 3000.0), 0, d.ConsumeFloatingPointInRange(0.0, 3000.0), 0};
    if (d.ConsumeBool())
        o.lissage = credit::Lissage{d.ConsumeBool()};
    int fin = 1;  // the years the longest loan runs, with its events
    for (const credit::Pret& p : o.prets) {
        credit::Deroulement d = credit::derouler(p, o.credit, o.indemnites);
        verifier_indemnites(o, p, d);
        fin = std::max(fin, static_cast<int>(d.lignes.size()) / p.periodes_par_an + 1);
    }
    auto c = credit::chiffrer(o, {}, credit::horizon_maxi_annees, fin);
    if (!c)
        return 0;
    for (double x : {c->interets, c->assurance, c->cout_total, c->cout_net, c->cout_horizon})
        VERIFIER(std::isfinite(x));
    VERIFIER(credit::centimes(c->cout_par_annee.back()) == credit::centimes(c->cout_net));
    credit::Financement f = credit::financer(o);
    if (f.versement) {
        std::vector<credit::Ligne> mois = credit::par_mois(o.prets, f.lignes);
        const credit::Pret& principal = o.prets.front();
        std::size_t debut = principal.differe ? static_cast<std::size_t>(principal.differe->nb_echeances) : 0;
        for (std::size_t m = debut; m + 1 < f.lignes.front().size() && f.lignes.front()[m].capital_restant_du > 0; ++m)
            VERIFIER(credit::centimes(mois[m].echeance + (o.lissage->avec_assurance ? mois[m].assurance : 0)) ==
                     *f.versement);
    }
    return 0;
}
