#pragma once

// Annuity arithmetic: payment, number of periods and rate of a loan, and the
// repayment per period of the hypothesis table. Every function gives nothing
// where no finite result exists, never NaN or infinity.

#include "calc/choix.h"

#include <cstdint>
#include <optional>

namespace calc {

// Payment per period; type 0 pays at the end of each period, 1 at the start.
std::optional<double> pmt(double rate, double nper, double pv, double fv = 0, int type = 0);

// Number of periods.
std::optional<double> nper(double rate, double pmt, double pv, double fv = 0, int type = 0);

// Rate per period above -1 that balances the loan; of several, the one
// nearest the guess.
std::optional<double> rate(double nper, double pmt, double pv, double fv = 0, int type = 0, double guess = 0.1);

// Repayment per period of `montant` at the annual rate `taux` (a fraction)
// over n periods of 1/unite year (unite 12 for months, 1 for years): simple
// interest, the capital grown by compound interest, or constant instalments,
// repayments due at the start of each period.
std::optional<double> calcul_echeance(Formule formule, double montant, double taux, std::int16_t n, int unite);

}  // namespace calc
