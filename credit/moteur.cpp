#include "credit/moteur.h"

#include "calc/nombres.h"

#include <algorithm>

namespace credit {

Moteur::Moteur(const Pret& pret, const Conditions& c, Credit credit, const Clause& clause)
    : pret_(pret), c_(c), credit_(credit), clause_(clause),
      capital_constant_(pret.amortissement == Amortissement::capital_constant),
      mois_par_ligne_(12 / pret.periodes_par_an), differe_(pret.differe ? pret.differe->nb_echeances : 0)
{
    int debut = differe_ + 1;
    for (std::size_t i = 0; i < pret.paliers.size(); debut += pret.paliers[i++].nb_echeances)
        paliers_[debut] = i;
}

std::optional<Etat> Moteur::depart() const
{
    int n = pret_.nb_echeances;
    auto part = capital_constant_ ? std::optional(static_cast<std::int64_t>(arrondi(c_.capital, n)))
                                  : annuite(c_.capital, c_.taux, n, pret_.en_debut_de_periode);
    if (!part)
        return std::nullopt;
    return Etat{c_.capital, c_.taux, pret_.taux_annuel, c_.primes, *part, n, pret_.taux_annuel};
}

// At the line after the deferral and at each step's first line, the instalment (and rate) change.
std::string Moteur::debut_de_ligne(Etat& e, int k)
{
    if (versement)  // a smoothed loan pays its outlay, its steps aside
        return {};
    auto palier = paliers_.find(k);
    if (palier == paliers_.end())
        return k == differe_ + 1 && k > 1 ? recalculer(e, k - 1) : std::string();
    const Palier& p = pret_.paliers[palier->second];
    palier_impose_.reset();
    double taux_annuel = p.taux_annuel.value_or(e.taux_du_contrat);  // a step without a rate: the loan's
    auto taux = taux_par_periode(taux_annuel, pret_.periodes_par_an);
    if (!taux)
        return "palier " + std::to_string(palier->second + 1) + " : son taux est hors des bornes";
    e.taux = *taux, e.taux_annuel = taux_annuel;
    if (p.echeance) {
        e.part = centimes(*p.echeance);
        palier_impose_ = palier->second;
        return {};
    }
    if (k == 1 && pret_.en_debut_de_periode) {
        e.part = annuite(e.reste, e.taux, e.fin, true).value_or(e.part);
        return {};
    }
    return recalculer(e, k - 1);
}

Ligne Moteur::ligne(Etat& e, int k)
{
    std::int64_t interets = pret_.en_debut_de_periode && k == 1 ? 0 : e.taux.de(e.reste);
    std::int64_t assurance = 0;
    for (const Prime& p : e.primes)
        assurance += p.de(c_.capital, e.reste);
    insuffisante_ = false;
    if (k <= differe_) {
        bool total = pret_.differe->sorte == Differe::Sorte::total;
        std::int64_t capitalises = total ? interets : 0;
        e.reste += capitalises;
        return {k, en_euros(interets - capitalises), en_euros(interets), en_euros(-capitalises), en_euros(assurance),
                en_euros(e.reste)};
    }
    // A smoothed outlay is an instalment, whatever the loan's amortisation.
    bool lisse = versement && k <= pret_.nb_echeances;
    std::int64_t part = lisse ? versement(k, assurance) : e.part;
    std::int64_t amorti = capital_constant_ && !lisse ? part : part - interets;
    insuffisante_ = (lisse || !capital_constant_) && amorti < 0 && k < e.fin;
    if (!sans_solde)
        amorti = k == e.fin ? e.reste : std::clamp<std::int64_t>(amorti, 0, e.reste);
    e.reste -= amorti;
    // Searching, an outlay far off makes what is owed run away: held where it cannot overflow,
    // still in the same order.
    constexpr std::int64_t borne = 1'000'000'000'000'000;
    if (sans_solde)
        e.reste = std::clamp(e.reste, -borne, borne);
    return {k, en_euros(interets + amorti), en_euros(interets), en_euros(amorti), en_euros(assurance),
            en_euros(e.reste)};
}

std::string Moteur::insuffisance(int k) const
{
    if (palier_impose_)
        return "palier " + std::to_string(*palier_impose_ + 1) + " : son échéance de " +
               calc::euros(*pret_.paliers[*palier_impose_].echeance) + " ne couvre pas les intérêts de l'échéance " +
               std::to_string(k);
    if (versement)
        return "le versement lissé ne couvre pas les intérêts de l'échéance " + std::to_string(k) +
               " : les autres prêts coûtent trop ce mois-là";
    return {};
}

std::int64_t Moteur::interets_restants(Etat e, int k)
{
    auto palier = palier_impose_;
    std::int64_t total = 0;
    for (int j = k + 1; j <= e.fin; ++j) {
        debut_de_ligne(e, j);
        total += centimes(ligne(e, j).interets);
    }
    palier_impose_ = palier;
    return total;
}

// The last line when the instalment stays as it is; none when it never repays the loan.
std::optional<int> Moteur::fin_au_meme_rythme(const Etat& e, int k) const
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
std::string Moteur::recalculer(Etat& e, int k) const
{
    int n = e.fin - k;
    auto part = capital_constant_ ? std::optional(static_cast<std::int64_t>(arrondi(e.reste, n)))
                                  : annuite(e.reste, e.taux, n, false);
    if (!part)
        return "la nouvelle échéance ne peut pas être calculée";
    e.part = *part;
    return {};
}

std::string Moteur::nouveau_rythme(Etat& e, int k) const
{
    auto fin = fin_au_meme_rythme(e, k);
    if (!fin)
        return "l'échéance de " + calc::euros(en_euros(e.part)) + " ne rembourse plus le prêt en " +
               std::to_string(nb_echeances_maxi) + " échéances";
    e.fin = *fin;
    return {};
}

Deroulement Moteur::executer(const std::vector<Planifie>& plan, std::optional<int> arret)
{
    arret_ = arret.has_value();
    remboursements_.clear();
    Deroulement d;
    auto e = depart();
    if (!e)
        return d;
    d.lignes.reserve(static_cast<std::size_t>(e->fin));
    std::size_t prochain = 0;
    for (int k = 1; k <= e->fin && !e->solde; ++k) {
        if (std::string erreur = debut_de_ligne(*e, k); !erreur.empty())
            return {.erreur = erreur};
        d.lignes.push_back(ligne(*e, k));
        if (insuffisante_ && !sans_solde)
            return {.erreur = insuffisance(k)};
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
    d.reste_final = e->reste;
    if (!arret && prochain < plan.size()) {
        EvenementApplique a{plan[prochain].indice, plan[prochain].apres};
        return {.erreur = nommer(a.indice) + appliquer(pret_.evenements[a.indice], *e, a.apres, a)};
    }
    d.avertissements = std::move(avertissements_);
    return d;
}

std::string verifier_differe_et_paliers(const Pret& pret)
{
    int differe = pret.differe ? pret.differe->nb_echeances : 0;
    if (differe < 0 || differe >= pret.nb_echeances)
        return "le différé (" + std::to_string(differe) + " échéances) doit être plus court que le prêt (" +
               std::to_string(pret.nb_echeances) + " échéances)";
    if (pret.paliers.empty())
        return {};
    int couvertes = 0;
    for (std::size_t i = 0; i < pret.paliers.size(); ++i) {
        const Palier& p = pret.paliers[i];
        std::string nom = "palier " + std::to_string(i + 1) + " : ";
        if (p.nb_echeances < 1)
            return nom + "il doit compter une échéance au moins";
        if (p.echeance && !(*p.echeance > 0 && *p.echeance <= capital_maxi))
            return nom + "son échéance doit être un montant positif";
        couvertes += p.nb_echeances;
    }
    if (couvertes != pret.nb_echeances - differe)
        return "les paliers couvrent " + std::to_string(couvertes) + " échéances, le prêt en compte " +
               std::to_string(pret.nb_echeances - differe) + (differe ? " après son différé" : "");
    return {};
}

}  // namespace credit
