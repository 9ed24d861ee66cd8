#pragma once

// The repayment schedule of a fixed-rate loan, line by line to the cent as
// banks print it, and its TAEG.
//
// Amounts are whole cents: the capital and the fees are rounded to the cent,
// then every interest and premium is the exact product of a whole number of
// cents and the rate as the decimal that reads back as the given double
// ("0.0345"), divided by the periods a year and rounded half away from zero.
// The instalment is the annuity formula's value, rounded the same way.

#include "credit/actuariel.h"
#include "credit/pret.h"

#include <optional>
#include <vector>

namespace credit {

struct Ligne {
    int numero;       // 1 ...
    double echeance;  // interets + capital_amorti, insurance apart
    double interets, capital_amorti, assurance;
    double capital_restant_du;  // after this instalment
};

// One line per instalment; empty when no schedule exists: capital not above 0
// once in cents or above capital_maxi, nb_echeances not in 1..1200,
// periodes_par_an not a divisor of 12, a rate not above -100 % a period or above
// taux_annuel_maxi, an insurance rate below 0 or above taux_annuel_maxi, a
// quotité not in 0.01..1, fees or a monthly premium below 0 or above
// capital_maxi, any value not finite.
//
// Rate per period r = taux_annuel / periodes_par_an. Each line's interest is r
// times the capital owed before it (none on line 1 when instalments fall at
// the start of periods) and capital_amorti = echeance - interets, where the
// echeance is the constant instalment, or capital_amorti is capital / n with
// constant capital. The capital owed never rises and never goes below 0,
// whatever the cents' rounding does: a line repays at least nothing (its
// echeance is then the interest alone) and at most what is owed (its echeance
// is then smaller, and the later lines carry no capital nor interest), and the
// last line repays exactly what remains. A line's insurance is the sum over
// the borrowers of taux x quotite / periodes_par_an times the initial capital
// on every line to the last, or times the capital owed before the line, each
// rounded to the cent; or of 12 / periodes_par_an times the monthly premium.
//
// With a negative rate the interest is negative: capital_amorti exceeds the
// echeance, and with constant capital an echeance can be negative, the lender
// paying the borrower, as the contract's rate says.
std::vector<Ligne> echeancier(const Pret& pret);

// The loan's payments as flows of its TAEG: - (echeance + assurance) of line
// k at k / periodes_par_an years ((k-1) / periodes_par_an with instalments at
// the start of periods); without the insurance for the TAEA.
void ajouter_flux(std::vector<Flux>& flux, const Pret& pret, const std::vector<Ligne>& lignes, bool avec_assurance);

// TAEG of the loan, unrounded: + (capital - frais) at 0, - (echeance +
// assurance) of line k at k / periodes_par_an years ((k-1) / periodes_par_an
// with instalments at the start of periods). Nothing without a schedule or a
// single rate (see taux_actuariel).
std::optional<double> taeg(const Pret& pret);

// The same from the loan's schedule, echeancier(pret), already at hand; without
// the insurance premiums for the TAEA. The insurance never moves the other
// columns, so one schedule serves both.
std::optional<double> taeg(const Pret& pret, const std::vector<Ligne>& lignes, bool avec_assurance = true);

}  // namespace credit
