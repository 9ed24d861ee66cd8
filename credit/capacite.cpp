#include "credit/capacite.h"

#include "credit/argent.h"
#include "credit/conditions.h"

#include <algorithm>

namespace credit {
namespace {

std::optional<std::int64_t> mensualite_en_centimes(const DemandeCapacite& d, std::int64_t montant)
{
    auto taux = taux_par_periode(d.taux_annuel, 12);
    if (!taux || d.nb_echeances < 1 || d.nb_echeances > nb_echeances_maxi || !(d.taux_assurance >= 0))
        return std::nullopt;
    auto echeance = annuite(montant, *taux, d.nb_echeances, false);
    if (!echeance)
        return std::nullopt;
    return *echeance + fraction(d.taux_assurance, 12).de(montant);
}

// Compared exactly: (instalment + charges) x den <= num x income, the ratio being num / den.
bool tient(const DemandeCapacite& d, std::int64_t montant)
{
    auto m = mensualite_en_centimes(d, montant);
    Fraction ratio = fraction(d.endettement);
    return m && Entier(*m + centimes(d.charges_mensuelles)) * ratio.den <= ratio.num * centimes(d.revenu_mensuel);
}

}  // namespace

std::optional<double> mensualite(const DemandeCapacite& d, double montant)
{
    auto m = mensualite_en_centimes(d, centimes(montant));
    return m ? std::optional(en_euros(*m)) : std::nullopt;
}

std::optional<Capacite> capacite(const DemandeCapacite& d)
{
    if (!(d.revenu_mensuel > 0 && d.revenu_mensuel <= capital_maxi && d.charges_mensuelles >= 0 &&
          d.endettement > 0 && d.endettement <= 1) ||
        !tient(d, 100))
        return std::nullopt;
    std::int64_t bas = 1, haut = 2;  // whole euros: bas keeps the ratio, haut breaks it
    const auto plafond = static_cast<std::int64_t>(capital_maxi);
    while (haut <= plafond && tient(d, haut * 100))
        bas = haut, haut *= 2;
    haut = std::min(haut, plafond + 1);  // never above what a loan may lend
    while (haut - bas > 1) {
        std::int64_t milieu = bas + (haut - bas) / 2;
        (tient(d, milieu * 100) ? bas : haut) = milieu;
    }
    double echeance = *mensualite(d, static_cast<double>(bas));
    return Capacite{static_cast<double>(bas), echeance,
                    en_euros(centimes(d.revenu_mensuel) - centimes(echeance) - centimes(d.charges_mensuelles))};
}

std::optional<int> duree_necessaire(DemandeCapacite d, double montant)
{
    if (!(montant > 0 && montant <= capital_maxi) || !(d.revenu_mensuel > 0))
        return std::nullopt;
    auto tient_en = [&](int n) {
        d.nb_echeances = n;
        return tient(d, centimes(montant));
    };
    if (!tient_en(nb_echeances_maxi))
        return std::nullopt;
    int bas = 0, haut = nb_echeances_maxi;  // the instalment falls as the months grow: bas breaks, haut keeps
    while (haut - bas > 1) {
        int milieu = (bas + haut) / 2;
        (tient_en(milieu) ? haut : bas) = milieu;
    }
    return haut;
}

}  // namespace credit
