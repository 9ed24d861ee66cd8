#pragma once

// A financing's schedules, its first loan smoothed when the offer asks.
//
// Smoothing (lissage), all loans monthly: line m of the first loan pays, as
// its instalment, X less what the other loans' line m costs (their
// instalment, with their insurance when avec_assurance) less, when
// avec_assurance, its own insurance of line m; a loan past its end costs
// nothing, the first loan's deferral keeps its own rule and its steps are set
// aside. X is the outlay in
// whole cents for which the first loan's capital owed after its last line,
// every line paying so, is nearest to 0 (the smaller on a tie); then its last
// line repays exactly what remains. Refused when, with that X, a line of the
// first loan would not cover its interest, and on a smoothed loan with events.

#include "credit/dossier.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace credit {

struct Financement {
    std::vector<std::vector<Ligne>> lignes;  // each loan's contract schedule; none without
    std::optional<std::int64_t> versement;   // X, in cents, when smoothed
    std::string erreur;                      // in French, naming the loan ("prêt 1, …")
};

Financement financer(const OffreBancaire& offre);

// Monthly loans' lines added up month by month, each column to the cent: what
// the household pays each month. Empty unless every loan is monthly.
std::vector<Ligne> par_mois(const std::vector<Pret>& prets, const std::vector<std::vector<Ligne>>& lignes);

}  // namespace credit
