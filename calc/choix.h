#pragma once

// The choices the three calculators share, and how each is read.

#include <cstdint>

namespace calc {

// The interest formula, numbered as its option buttons are.
enum class Formule : std::int16_t { interets_simples = 0, interets_composes = 1, interets_constants = 2 };

// The caption of the formula's option button, which notes quote.
const char* libelle(Formule formule);

// Periods a year of a count in months (12) or in years (1).
constexpr int periodes_par_an(bool en_annees)
{
    return en_annees ? 1 : 12;
}

// A typed annual rate is a percentage above 1 and a fraction at or below it:
// 5 and 0.05 both mean 5 %.
constexpr double taux_en_fraction(double saisi)
{
    return saisi > 1 ? saisi / 100 : saisi;
}
constexpr double taux_en_pour_cent(double saisi)
{
    return saisi > 1 ? saisi : saisi * 100;
}

}  // namespace calc
