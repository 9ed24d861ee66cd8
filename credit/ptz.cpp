#include "credit/ptz.h"

#include "calc/nombres.h"
#include "credit/argent.h"

#include <algorithm>

namespace credit {

const std::vector<ReglesPtz>& regles_ptz()
{
    using namespace std::chrono;
    static const std::vector<ReglesPtz> regles = {
        {.depuis = Date{year{2025}, April, day{1}},
         .quotite_collectif = {0.5, 0.4, 0.4, 0.2},
         .quotite_individuel = {0.3, 0.2, 0.2, 0.1},
         .differe_annees = {10, 8, 2, 0},
         .remboursement_annees = {15, 12, 13, 10}},
    };
    return regles;
}

std::optional<Pret> pret_ptz(const Ptz& ptz, std::optional<Date> emission)
{
    const std::vector<ReglesPtz>& toutes = regles_ptz();
    auto en_vigueur = toutes.rbegin();
    while (emission && en_vigueur + 1 != toutes.rend() &&
           std::chrono::sys_days(*emission) < std::chrono::sys_days(en_vigueur->depuis))
        ++en_vigueur;
    if (ptz.tranche < 1 || ptz.tranche > 4 || !(ptz.cout_operation > 0 && ptz.plafond > 0) ||
        ptz.cout_operation > capital_maxi || ptz.plafond > capital_maxi)
        return std::nullopt;
    auto t = static_cast<std::size_t>(ptz.tranche - 1);
    double quotite = (ptz.logement == Logement::collectif_neuf ? en_vigueur->quotite_collectif
                                                               : en_vigueur->quotite_individuel)[t];
    Pret p;
    p.nom = "PTZ";
    p.ptz = ptz;
    p.capital = en_euros(fraction(quotite).de(centimes(std::min(ptz.cout_operation, ptz.plafond))));
    p.nb_echeances = 12 * (en_vigueur->differe_annees[t] + en_vigueur->remboursement_annees[t]);
    if (en_vigueur->differe_annees[t] > 0)
        p.differe = Differe{12 * en_vigueur->differe_annees[t], Differe::Sorte::total};
    return p;
}

std::vector<std::string> alertes_ptz(const OffreBancaire& offre)
{
    std::vector<std::string> alertes;
    for (const Pret& ptz : offre.prets) {
        if (!ptz.ptz)
            continue;
        int differe = ptz.differe ? ptz.differe->nb_echeances * (12 / ptz.periodes_par_an) : 0, plus_long = 0;
        std::int64_t autres = 0;
        for (const Pret& p : offre.prets) {
            if (&p == &ptz)
                continue;
            int mois = p.nb_echeances * (12 / p.periodes_par_an);
            plus_long = std::max(plus_long, mois);
            if (mois >= 24)
                autres += centimes(p.capital);
        }
        if (differe > plus_long)
            alertes.push_back("Le différé du PTZ (" + std::to_string(differe) +
                              " mois) dure plus longtemps que les autres prêts (" + std::to_string(plus_long) +
                              " mois au plus).");
        if (centimes(ptz.capital) > autres)
            alertes.push_back("Le PTZ (" + calc::euros(ptz.capital) +
                              ") dépasse les autres prêts de deux ans ou plus (" + calc::euros(en_euros(autres)) +
                              ") : la loi ne le permet pas.");
    }
    return alertes;
}

}  // namespace credit
