#pragma once

// The actuarial rate of a series of cash flows: the annual rate at which what
// the borrower receives and what he pays have the same present value, as the
// TAEG of consumer and property credit is defined.

#include <optional>
#include <vector>

namespace credit {

// A cash flow: its time in years from the first drawdown, its amount, positive
// to the borrower and negative when he pays.
struct Flux {
    double annees;
    double montant;
};

// The annual rate X > -1 with sum(montant * (1+X)^-annees) = 0, to a relative
// 1e-14 or better. Nothing when no single rate exists: no flows, a time or
// amount not finite or a time beyond 10 000 years, flows all of one sign once
// those at the same time are added up, or flows that change sign more than
// once in time order (several rates may then balance them, none is "the" rate).
// Nothing either when the rate lies beyond what a double holds, such as -100 %
// plus less than 1e-16.
std::optional<double> taux_actuariel(const std::vector<Flux>& flux);

}  // namespace credit
