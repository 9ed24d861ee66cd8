#pragma once

// The 0 % state loan (prêt à taux zéro): what its rules propose for an
// operation, kept as dated tables so that next year's rules are one table more.

#include "credit/dossier.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace credit {

struct ReglesPtz {
    Date depuis;  // offers issued from this day
    // The share of the lesser of the operation's cost and its ceiling lent, by dwelling and bracket 1 to 4.
    std::array<double, 4> quotite_collectif, quotite_individuel;
    // Years of total deferral, then of repayment, by bracket.
    std::array<int, 4> differe_annees, remboursement_annees;
};

// Oldest first.
const std::vector<ReglesPtz>& regles_ptz();

// The loan the rules in force on `emission` (the latest when none) propose:
// rate 0; amount = the bracket's share of the lesser of the cost and the
// ceiling, to the cent; monthly, a total deferral then the repayment, in
// whole years. None for a bracket outside 1 to 4 or amounts not above 0.
std::optional<Pret> pret_ptz(const Ptz& ptz, std::optional<Date> emission = std::nullopt);

// In French, what the offer's PTZ breaks: a deferral longer than the
// longest other loan, more than the other loans of two years or more lend.
std::vector<std::string> alertes_ptz(const OffreBancaire& offre);

}  // namespace credit
