#include "credit/plan_evenements.h"

#include "calc/nombres.h"

#include <algorithm>

namespace credit {
namespace {

std::string couverture(const Assurance& a)
{
    if (a.mensualite)
        return calc::euros(*a.mensualite) + " par mois";
    std::string texte = calc::texte_general(a.taux * 100) + " % du capital " +
                        (a.base == BaseAssurance::capital_initial ? "initial" : "restant dû");
    return a.quotite == 1 ? texte : texte + " à " + calc::texte_general(a.quotite * 100) + " %";
}

std::string quoi(const Evenement& ev)
{
    std::string exoneration = ev.exoneration ? ", sans indemnité (exonération)" : "";
    switch (ev.sorte) {
    case SorteEvenement::remboursement_partiel:
        return "remboursement partiel de " + calc::euros(ev.montant) +
               (ev.reduire == Reduire::duree ? ", durée réduite" : ", échéance réduite") + exoneration;
    case SorteEvenement::remboursement_total: return "remboursement total" + exoneration;
    case SorteEvenement::modulation:
        return "échéance modulée de " + std::string(ev.pourcentage > 0 ? "+" : "") +
               calc::texte_general(ev.pourcentage) + " %";
    case SorteEvenement::assurance: {
        std::string texte = "nouvelle assurance";
        for (std::size_t i = 0; i < ev.assurances.size(); ++i)
            texte += (i ? " ; " : " : ") + couverture(ev.assurances[i]);
        return ev.assurances.empty() ? texte + " : aucune" : texte;
    }
    case SorteEvenement::taux:
        return "nouveau taux de " + calc::texte_general(ev.taux_annuel * 100) + " %, frais de " +
               calc::euros(ev.frais);
    }
    return {};
}

}  // namespace

std::string en_phrase(const std::string& dit)
{
    const std::string e = "é";
    return (dit.rfind(e, 0) == 0 ? "É" + dit.substr(e.size()) : dit) + ".";
}

std::string decrire(const Evenement& ev)
{
    std::string quand = ev.date ? "le " + date_en_francais(*ev.date)
                                : "après l'échéance " + std::to_string(ev.apres_echeance);
    return quand + " : " + quoi(ev);
}

std::string nommer(std::size_t indice)
{
    return "événement " + std::to_string(indice + 1) + " : ";
}

std::pair<std::vector<Planifie>, std::string> planifier(const Pret& pret)
{
    std::vector<Planifie> plan;
    for (std::size_t i = 0; i < pret.evenements.size(); ++i) {
        const Evenement& ev = pret.evenements[i];
        int apres = ev.apres_echeance;
        if (ev.date && !pret.premiere_echeance)
            return {{}, nommer(i) + "une date ne vaut que sur un prêt dont la première échéance est datée"};
        if (ev.date)
            apres = ligne_au(*pret.premiere_echeance, *ev.date, pret.periodes_par_an);
        if (ev.date && apres < 1)
            return {{}, nommer(i) + "sa date (" + date_en_francais(*ev.date) + ") précède la première échéance (" +
                            date_en_francais(*pret.premiere_echeance) + ")"};
        if (apres < 1 || apres > nb_echeances_maxi)
            return {{}, nommer(i) + "il doit suivre une échéance du prêt (la 1re ou une suivante)"};
        for (const Planifie& autre : plan)
            if (autre.apres == apres && pret.evenements[autre.indice].sorte == ev.sorte)
                return {{}, nommer(i) + "un autre événement du même type suit déjà l'échéance " +
                                std::to_string(apres)};
        plan.push_back({i, apres});
    }
    std::stable_sort(plan.begin(), plan.end(), [](const Planifie& a, const Planifie& b) { return a.apres < b.apres; });
    return {plan, {}};
}

}  // namespace credit
