#pragma once

// A loan's schedule as it will run: its deferral and steps, its events
// applied after their instalments, each early repayment with its penalty.
//
// Deferral of the first d lines (counted in nb_echeances, fewer than it):
// partial, each pays its interest and insurance only; total, each line's
// interest, rounded, is added to what is owed (its instalment is 0, its
// capital amortised minus that interest) and it pays its insurance only. Then
// the annuity in arrears of what is owed over the lines left.
// Steps cover the lines after the deferral, in order; at a step's first line
// its rate, when it has one, applies, and it pays its own instalment (refused
// when a line's interest exceeds it) or the annuity in arrears, at its rate,
// of what is owed over all the loan's lines left.
//
// Events apply in the order of the instalment they follow (those after the
// same one in their given order); the schedule goes on from the capital owed
// after that line, rounded as the contract's (see echeancier). "The end" and
// "the lines left" are those of the schedule as it stands just before the
// event. A recomputed instalment is the annuity in arrears of what is owed
// over the lines left; on a constant-capital loan the capital part of each
// line plays the instalment's role (recomputed: what is owed over the lines
// left, rounded to the cent).
// - remboursement_partiel of A (at most what is owed; all of it is the total
//   repayment): then Reduire::duree keeps the instalment over as many lines as
//   it takes, the last repaying what remains; Reduire::echeance keeps the end
//   with the recomputed instalment. A of 10 % of the capital lent or less is
//   warned about: the contract may refuse it.
// - remboursement_total: the loan ends after the line.
// - modulation: the instalment times 1 + p / 100, rounded to the cent, over as
//   many lines as it takes.
// - assurance: from the next line the new cover replaces the old; on the
//   initial capital, the capital lent.
// - taux: from the next line the new rate, the instalment recomputed, its fees
//   paid after the line.
// The penalty of a repayment, by the offer's clause (see indemnites), is at
// the rate in force; consumer credit counts the months left to the end and
// the interest still carried by the schedule as it stands, and the
// repayments after the instalments of the twelve months before. None with
// the exemption.

#include "credit/echeancier.h"
#include "credit/indemnites.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace credit {

struct EvenementApplique {
    std::size_t indice;  // in the loan's evenements
    int apres;           // the instalment it follows
    std::int64_t rembourse = 0, indemnite = 0, frais = 0;  // cents
    // Rate change and insurance switch: the first line after which the cost
    // saved (interest and insurance, against the schedule without this event)
    // pays back its fees; none when it never does.
    std::optional<int> rentable_apres;
};

struct Deroulement {
    std::vector<Ligne> lignes;
    std::vector<EvenementApplique> evenements;  // in the order applied
    std::vector<std::string> avertissements;    // in French, each naming its event
    std::string erreur;  // in French, naming the event ("événement 2 : ..."); then nothing else is given
    // When stopped: the penalty on what is owed after the stop, were it all repaid then.
    std::int64_t indemnite_finale = 0;
    std::int64_t reste_final = 0;  // cents owed after the last line and its events
};

// The loan's lines with its events; no lines without a schedule (see
// echeancier). With `arret`, the lines up to that one and its events, then
// everything owed repaid (indemnite_finale).
Deroulement derouler(const Pret& pret, Credit credit = Credit::immobilier, const Clause& clause = {},
                     std::optional<int> arret = std::nullopt);

// The same without the events: the contract's schedule, or why its deferral or steps cannot be.
Deroulement contrat(const Pret& pret);

}  // namespace credit
