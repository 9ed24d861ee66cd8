#include "credit/deroulement.h"

#include "calc/nombres.h"
#include "credit/argent.h"
#include "credit/conditions.h"
#include "credit/plan_evenements.h"

#include <algorithm>

namespace credit {
namespace {

// The schedule as it stands before a line: what is owed, at which rate, for
// which instalment (the capital part, with constant capital), to which end.
struct Etat {
    std::int64_t reste;
    Fraction taux;
    double taux_annuel;
    std::vector<Prime> primes;
    std::int64_t part;
    int fin;
    bool solde = false;  // repaid in full by an event
};

class Moteur {
public:
    Moteur(const Pret& pret, const Conditions& c, Credit credit, const Clause& clause)
        : pret_(pret), c_(c), credit_(credit), clause_(clause),
          capital_constant_(pret.amortissement == Amortissement::capital_constant),
          mois_par_ligne_(12 / pret.periodes_par_an)
    {
    }

    std::optional<Etat> depart() const
    {
        int n = pret_.nb_echeances;
        auto part = capital_constant_ ? std::optional(static_cast<std::int64_t>(arrondi(c_.capital, n)))
                                      : annuite(c_.capital, c_.taux, n, pret_.en_debut_de_periode);
        if (!part)
            return std::nullopt;
        return Etat{c_.capital, c_.taux, pret_.taux_annuel, c_.primes, *part, n};
    }

    Ligne ligne(Etat& e, int k) const
    {
        std::int64_t interets = pret_.en_debut_de_periode && k == 1 ? 0 : e.taux.de(e.reste);
        std::int64_t amorti = capital_constant_ ? e.part : e.part - interets;
        amorti = k == e.fin ? e.reste : std::clamp<std::int64_t>(amorti, 0, e.reste);
        std::int64_t assurance = 0;
        for (const Prime& p : e.primes)
            assurance += p.de(c_.capital, e.reste);
        e.reste -= amorti;
        return {k, en_euros(interets + amorti), en_euros(interets), en_euros(amorti), en_euros(assurance),
                en_euros(e.reste)};
    }

    Deroulement executer(const std::vector<Planifie>& plan, std::optional<int> arret);

private:
    std::int64_t interets_restants(Etat e, int k) const
    {
        std::int64_t total = 0;
        for (int j = k + 1; j <= e.fin; ++j)
            total += centimes(ligne(e, j).interets);
        return total;
    }

    // The last line when the instalment stays as it is; none when it never repays the loan.
    std::optional<int> fin_au_meme_rythme(const Etat& e, int k) const
    {
        std::int64_t reste = e.reste;
        for (int j = k + 1; j <= nb_echeances_maxi; ++j) {
            std::int64_t amorti = capital_constant_ ? e.part : e.part - e.taux.de(reste);
            if (amorti >= reste)
                return j;
            if (amorti <= 0)
                return std::nullopt;
            reste -= amorti;
        }
        return std::nullopt;
    }

    // The instalment recomputed over the lines left, to the same end.
    std::string recalculer(Etat& e, int k) const
    {
        int n = e.fin - k;
        auto part = capital_constant_ ? std::optional(static_cast<std::int64_t>(arrondi(e.reste, n)))
                                      : annuite(e.reste, e.taux, n, false);
        if (!part)
            return "la nouvelle échéance ne peut pas être calculée";
        e.part = *part;
        return {};
    }

    std::int64_t penalite(const Etat& e, int k, std::int64_t montant, bool exoneration) const
    {
        if (exoneration || clause_.sorte == Clause::Sorte::aucune)
            return 0;
        std::int64_t sur_douze_mois = montant;
        for (auto [apres, rembourse] : remboursements_)
            if ((k - apres) * mois_par_ligne_ < 12)
                sur_douze_mois += rembourse;
        bool consommation = credit_ == Credit::consommation;
        return indemnite(credit_, clause_,
                         {montant, e.reste, e.taux_annuel, (e.fin - k) * mois_par_ligne_,
                          consommation ? interets_restants(e, k) : 0, sur_douze_mois});
    }

    // A line's interest and insurance in cents, none past the end.
    std::int64_t cout_de_la_ligne(Etat& e, int j) const
    {
        if (j > e.fin)
            return 0;
        Ligne l = ligne(e, j);
        return centimes(l.interets) + centimes(l.assurance);
    }

    // The first line after k at which the cost saved since then pays back `frais`; both
    // schedules go on without the later events.
    std::optional<int> rentable_apres(Etat sans, Etat avec, int k, std::int64_t frais) const
    {
        std::int64_t economie = 0;
        for (int j = k + 1; j <= std::max(sans.fin, avec.fin); ++j) {
            economie += cout_de_la_ligne(sans, j) - cout_de_la_ligne(avec, j);
            if (economie >= frais)
                return j;
        }
        return std::nullopt;
    }

    std::string changer(const Evenement& ev, Etat& e, int k, EvenementApplique& a);
    std::string appliquer(const Evenement& ev, Etat& e, int k, EvenementApplique& a);
    std::string rembourser(const Evenement& ev, Etat& e, int k, EvenementApplique& a);
    std::string nouveau_rythme(Etat& e, int k) const;

    const Pret& pret_;
    const Conditions& c_;
    Credit credit_;
    const Clause& clause_;
    bool capital_constant_;
    int mois_par_ligne_;
    std::vector<std::pair<int, std::int64_t>> remboursements_;  // of the run: after which line, how much
    std::vector<std::string> avertissements_;
    bool arret_ = false;  // a cost at a horizon: no break-even asked
};

std::string Moteur::nouveau_rythme(Etat& e, int k) const
{
    auto fin = fin_au_meme_rythme(e, k);
    if (!fin)
        return "l'échéance de " + calc::euros(en_euros(e.part)) + " ne rembourse plus le prêt en " +
               std::to_string(nb_echeances_maxi) + " échéances";
    e.fin = *fin;
    return {};
}

std::string Moteur::rembourser(const Evenement& ev, Etat& e, int k, EvenementApplique& a)
{
    bool total = ev.sorte == SorteEvenement::remboursement_total;
    std::int64_t montant = total ? e.reste : centimes(ev.montant);
    if (!total && !(ev.montant > 0 && ev.montant <= capital_maxi))
        return "le montant remboursé doit être positif";
    if (montant > e.reste)
        return "le montant remboursé (" + calc::euros(en_euros(montant)) +
               ") dépasse le capital restant dû après l'échéance " + std::to_string(k) + " (" +
               calc::euros(en_euros(e.reste)) + ")";
    a.rembourse = montant;
    a.indemnite = penalite(e, k, montant, ev.exoneration);
    remboursements_.emplace_back(k, montant);
    if (montant < e.reste && Entier(montant) * 10 <= c_.capital)
        avertissements_.push_back(nommer(a.indice) +
                                  "un remboursement partiel de 10 % du capital emprunté ou moins peut être "
                                  "refusé par le contrat");
    e.reste -= montant;
    if (e.reste == 0) {
        e.fin = k, e.solde = true;
        return {};
    }
    if (ev.reduire == Reduire::duree)
        return nouveau_rythme(e, k);
    return recalculer(e, k);
}

std::string Moteur::appliquer(const Evenement& ev, Etat& e, int k, EvenementApplique& a)
{
    if (e.solde)
        return "il suit le remboursement total du prêt";
    if (k >= e.fin)
        return "la dernière échéance du prêt est la " + std::to_string(e.fin) + "e : plus rien n'est dû après l'échéance " +
               std::to_string(k);
    switch (ev.sorte) {
    case SorteEvenement::remboursement_partiel:
    case SorteEvenement::remboursement_total: return rembourser(ev, e, k, a);
    case SorteEvenement::modulation:
        if (!(ev.pourcentage > -100 && ev.pourcentage <= 1000))
            return "la modulation doit être de plus de -100 % et d'au plus 1 000 %";
        e.part += fraction(ev.pourcentage / 100).de(e.part);
        return nouveau_rythme(e, k);
    case SorteEvenement::assurance:
    case SorteEvenement::taux: {
        Etat avant = e;
        std::string erreur = changer(ev, e, k, a);
        if (erreur.empty() && !arret_)
            a.rentable_apres = rentable_apres(std::move(avant), e, k, a.frais);
        return erreur;
    }
    }
    return {};
}

// An insurance switch or a rate change.
std::string Moteur::changer(const Evenement& ev, Etat& e, int k, EvenementApplique& a)
{
    switch (ev.sorte) {
    case SorteEvenement::assurance: {
        std::vector<Prime> primes;
        for (const Assurance& nouvelle : ev.assurances) {
            auto p = prime(nouvelle, pret_.periodes_par_an);
            if (!p)
                return "une assurance est hors des bornes (taux de 0 à 1 000 %, quotité de 1 à 100 %)";
            primes.push_back(*p);
        }
        e.primes = std::move(primes);
        return {};
    }
    case SorteEvenement::taux: {
        auto taux = taux_par_periode(ev.taux_annuel, pret_.periodes_par_an);
        if (!taux || !(ev.frais >= 0 && ev.frais <= capital_maxi))
            return "le nouveau taux ou ses frais sont hors des bornes";
        e.taux = *taux, e.taux_annuel = ev.taux_annuel;
        a.frais = centimes(ev.frais);
        return recalculer(e, k);
    }
    default: return {};
    }
}

Deroulement Moteur::executer(const std::vector<Planifie>& plan, std::optional<int> arret)
{
    arret_ = arret.has_value();
    Deroulement d;
    auto e = depart();
    if (!e)
        return d;
    d.lignes.reserve(static_cast<std::size_t>(e->fin));
    std::size_t prochain = 0;
    for (int k = 1; k <= e->fin && !e->solde; ++k) {
        d.lignes.push_back(ligne(*e, k));
        for (; prochain < plan.size() && plan[prochain].apres == k; ++prochain) {
            EvenementApplique a{plan[prochain].indice, k};
            if (std::string erreur = appliquer(pret_.evenements[a.indice], *e, k, a); !erreur.empty())
                return {.erreur = nommer(a.indice) + erreur};
            d.evenements.push_back(a);
        }
        if (arret && k == *arret) {
            if (!e->solde && k < e->fin)
                d.indemnite_finale = penalite(*e, k, e->reste, false);
            break;
        }
    }
    if (!arret && prochain < plan.size()) {
        EvenementApplique a{plan[prochain].indice, plan[prochain].apres};
        return {.erreur = nommer(a.indice) + appliquer(pret_.evenements[a.indice], *e, a.apres, a)};
    }
    d.avertissements = std::move(avertissements_);
    return d;
}

}  // namespace

Deroulement derouler(const Pret& pret, Credit credit, const Clause& clause, std::optional<int> arret)
{
    auto c = conditions(pret);
    if (!c)
        return {};
    auto [plan, erreur] = planifier(pret);
    if (!erreur.empty())
        return {.erreur = erreur};
    return Moteur(pret, *c, credit, clause).executer(plan, arret);
}

}  // namespace credit
