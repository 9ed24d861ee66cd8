#pragma once

// Money in whole cents, computed exactly on the decimals people type.

#include <cstdint>

namespace credit {

// Wide enough for a product of cents and a rate's numerator: no overflow.
using Entier = __int128;

// 10^k, for k from 0 to 37.
Entier puissance_de_10(int k);

// n / d to the nearest whole number, halves away from zero; d > 0.
Entier arrondi(Entier n, Entier d);

// An amount of at most 10^15 euros in whole cents, from the decimal that
// reads back as the double (see calc::decimal_exact), halves away from zero.
std::int64_t centimes(double euros);

double en_euros(std::int64_t centimes);

// A rate as the exact fraction num / den in lowest terms.
struct Fraction {
    Entier num = 0, den = 1;

    // Of an amount of at most 10^15 cents, rounded to the cent, halves away from zero.
    std::int64_t de(std::int64_t centimes) const;
};

// taux x facteur / diviseur exactly, each double read as the decimal that
// reads back as it ("0.0345" is 345 / 10 000); |taux| at most 10, facteur at
// most 1, diviseur from 1 to 12. Below 1e-20 the rate cannot move half a
// cent and counts as 0.
Fraction fraction(double taux, int diviseur = 1, double facteur = 1);

}  // namespace credit
