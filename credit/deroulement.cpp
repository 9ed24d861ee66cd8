#include "credit/deroulement.h"

#include "calc/nombres.h"
#include "credit/moteur.h"

#include <algorithm>

namespace credit {

std::int64_t Moteur::penalite(Etat& e, int k, std::int64_t montant, bool exoneration)
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
std::int64_t Moteur::cout_de_la_ligne(Etat& e, int j)
{
    if (j > e.fin)
        return 0;
    auto palier = palier_impose_;
    debut_de_ligne(e, j);
    Ligne l = ligne(e, j);
    palier_impose_ = palier;
    return centimes(l.interets) + centimes(l.assurance);
}

// The first line after k at which the cost saved since then pays back `frais`; both
// schedules go on without the later events.
std::optional<int> Moteur::rentable_apres(Etat sans, Etat avec, int k, std::int64_t frais)
{
    std::int64_t economie = 0;
    for (int j = k + 1; j <= std::max(sans.fin, avec.fin); ++j) {
        economie += cout_de_la_ligne(sans, j) - cout_de_la_ligne(avec, j);
        if (economie >= frais)
            return j;
    }
    return std::nullopt;
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
    bool garde_l_echeance = ev.sorte == SorteEvenement::modulation ||
                            (ev.sorte == SorteEvenement::remboursement_partiel && ev.reduire == Reduire::duree);
    if (garde_l_echeance && k <= differe_)  // the instalment is set only after the deferral
        return "pendant le différé (jusqu'à l'échéance " + std::to_string(differe_) +
               "), il n'y a pas encore d'échéance à garder ou à moduler : choisissez « réduire l'échéance »";
    switch (ev.sorte) {
    case SorteEvenement::remboursement_partiel:
    case SorteEvenement::remboursement_total: return rembourser(ev, e, k, a);
    case SorteEvenement::modulation:
        if (!(ev.pourcentage > -100 && ev.pourcentage <= 1000))
            return "la modulation doit être de plus de -100 % et d'au plus 1 000 %";
        e.part += fraction(calc::centieme(ev.pourcentage)).de(e.part);
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
        e.taux = *taux, e.taux_annuel = e.taux_du_contrat = ev.taux_annuel;
        a.frais = centimes(ev.frais);
        return recalculer(e, k);
    }
    default: return {};
    }
}

Deroulement derouler(const Pret& pret, Credit credit, const Clause& clause, std::optional<int> arret)
{
    auto c = conditions(pret);
    if (!c)
        return {};
    if (std::string erreur = verifier_differe_et_paliers(pret); !erreur.empty())
        return {.erreur = erreur};
    auto [plan, erreur] = planifier(pret);
    if (!erreur.empty())
        return {.erreur = erreur};
    return Moteur(pret, *c, credit, clause).executer(plan, arret);
}

}  // namespace credit

namespace credit {

Deroulement contrat(const Pret& pret)
{
    Pret sans = pret;
    sans.evenements.clear();
    return derouler(sans);
}

}  // namespace credit
