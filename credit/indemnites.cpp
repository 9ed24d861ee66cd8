#include "credit/indemnites.h"

#include "credit/argent.h"

#include <algorithm>

namespace credit {

std::int64_t indemnite_legale(Credit credit, const Remboursement& r)
{
    if (r.rembourse <= 0)
        return 0;
    if (credit == Credit::immobilier)
        return std::max<std::int64_t>(0, std::min(fraction(r.taux_annuel, 2).de(r.rembourse), fraction(0.03).de(r.du)));
    if (std::max(r.rembourse, r.sur_douze_mois) <= 1'000'000)
        return 0;
    std::int64_t part = fraction(r.mois_restants > 12 ? 0.01 : 0.005).de(r.rembourse);
    return std::max<std::int64_t>(0, std::min(part, r.interets_restants));
}

std::int64_t indemnite(Credit credit, const Clause& clause, const Remboursement& r)
{
    switch (clause.sorte) {
    case Clause::Sorte::aucune: return 0;
    case Clause::Sorte::taux_propre:
        return std::clamp<std::int64_t>(fraction(clause.taux).de(r.rembourse), 0, indemnite_legale(credit, r));
    case Clause::Sorte::legale: break;
    }
    return indemnite_legale(credit, r);
}

}  // namespace credit
