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

}  // namespace credit
