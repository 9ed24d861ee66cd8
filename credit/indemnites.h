#pragma once

// What repaying a loan early may cost: the contract's clause, within the
// legal maximum of its kind of credit.

#include <cstdint>

namespace credit {

enum class Credit { immobilier, consommation };

// The early-repayment clause: the legal maximum, none, or a rate of its own
// (a fraction of the capital repaid) that the legal maximum still caps.
struct Clause {
    enum class Sorte { legale, aucune, taux_propre };
    Sorte sorte = Sorte::legale;
    double taux = 0;  // with taux_propre

    bool operator==(const Clause&) const = default;
};

// An early repayment, amounts in cents: `rembourse` of the `du` owed before
// it, on a loan at `taux_annuel` (a fraction) whose last instalment falls
// `mois_restants` months later and whose remaining lines would still have
// carried `interets_restants` of interest; with the other repayments of the
// twelve months before it, `sur_douze_mois` is repaid (rembourse when 0).
struct Remboursement {
    std::int64_t rembourse, du;
    double taux_annuel;
    int mois_restants;
    std::int64_t interets_restants;
    std::int64_t sur_douze_mois = 0;
};

// The legal maximum, each amount rounded to the cent. Property credit: the
// lesser of six months' interest on the capital repaid (capital x rate / 2)
// and 3 % of the capital owed before. Consumer credit: nothing when 10 000 €
// or less is repaid over twelve months; else 1 % of the capital repaid with more than twelve
// months left, 0,5 % otherwise, never more than the interest still to come.
std::int64_t indemnite_legale(Credit credit, const Remboursement& r);

// What the clause asks, within the legal maximum; never below 0.
std::int64_t indemnite(Credit credit, const Clause& clause, const Remboursement& r);

}  // namespace credit
