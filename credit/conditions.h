#pragma once

// A loan's terms checked and turned into cents and exact rates: what the
// schedule and its events compute with.

#include "credit/argent.h"
#include "credit/pret.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace credit {

// One borrower's premium a line: a rate per period of its base, or a fixed amount.
struct Prime {
    Fraction taux;
    bool sur_le_restant_du;
    std::int64_t fixe;

    std::int64_t de(std::int64_t initial, std::int64_t reste) const
    {
        return fixe + taux.de(sur_le_restant_du ? reste : initial);
    }
};

// A loan's terms once checked, amounts in cents.
struct Conditions {
    std::int64_t capital, frais;
    Fraction taux;
    std::vector<Prime> primes;
};

// None when the loan has no schedule (see echeancier).
std::optional<Conditions> conditions(const Pret& pret);

// None for a rate or quotité out of bounds (see echeancier).
std::optional<Prime> prime(const Assurance& assurance, int periodes_par_an);

// The rate per period of an annual rate, none out of bounds (see echeancier).
std::optional<Fraction> taux_par_periode(double taux_annuel, int periodes_par_an);

// The constant instalment of `capital` cents over n lines, in cents, halves
// away from zero; none where the formula has no value.
std::optional<std::int64_t> annuite(std::int64_t capital, const Fraction& taux, int n, bool debut);

}  // namespace credit
