#pragma once

// The figures that compare bank offers, all loans of an offer together.

#include "credit/dossier.h"

#include <optional>
#include <string>
#include <vector>

namespace credit {

struct Chiffres {
    double montant = 0;                    // the amounts lent
    double echeance = 0;                   // the first line of every loan, insurance apart
    double echeance_avec_assurance = 0;    // the same with insurance
    double interets = 0, assurance = 0;    // over every line of every loan, as it will run (see below)
    double frais = 0;                      // dossier + courtage + garantie
    double cout_total = 0;                 // interets + assurance + frais + cout_evenements
    double cout_net = 0;                   // cout_total less the guarantee returned
    std::optional<double> cout_evenements;  // the events' penalties and fees; none without events
    std::optional<double> gain_evenements;  // the contract's total cost less cout_total; none without events
    std::optional<double> taeg, taea;      // fractions, unrounded; see below
    std::optional<double> endettement;     // see below; none without an income
    double cout_horizon = 0;               // see cout_a
    double indemnites_horizon = 0;         // the penalties in cout_horizon
    std::vector<double> cout_par_annee;    // cout_a 1, 2, ... years
    std::optional<double> ecart_taeg;      // computed less stated TAEG, in points
    std::optional<double> ecart_echeance;  // echeance less the stated one, euros
    std::vector<std::string> alertes;      // in French: each rule the offer breaks
    std::optional<double> versement_lisse;  // the constant monthly outlay of a smoothed offer
};

// Every figure of the offer at a horizon of `horizon` years, and its cost
// year by year over `annees` years. None when the offer has no loan, a loan
// has no schedule (see echeancier), events it cannot have (see derouler) or a
// smoothing that cannot be (see financer). A smoothed offer's first loan runs
// as smoothed.
//
// The first instalments, the TAEG and TAEA, the debt ratio and the checks
// are the contract's; the totals and costs are those of the loans as they
// will run, with their events.
//
// TAEG: the actuarial rate of every flow of every loan: at 0 the amounts lent
// less the fees (the whole guarantee: the TAEG counts what is paid), then each
// line's instalment and insurance when due, in equal months. TAEA: the TAEG
// less the TAEG without any insurance flow.
//
// Debt ratio: each line's instalment with insurance spread over the months it
// covers (a quarter's over three), summed over the loans month by month, each
// loan's last line left out (it only repays what the cents' rounding left)
// unless it is its only one; the largest month, plus the household's other
// charges, over its net income.
//
// Cost at a horizon of h years: the interest and insurance of each loan's
// first h x periodicity lines, the fees, the penalties and fees of the events
// after those lines, and the penalty on each loan's capital still owed after
// them and their events (as if repaid then, by the offer's clause, at the
// rate in force), less the guarantee returned. Once h reaches every loan's
// end it is the net cost.
std::optional<Chiffres> chiffrer(const OffreBancaire& offre, const Situation& situation, int horizon, int annees);

// The years an offer's longest loan runs, a started year counting whole.
int annees(const OffreBancaire& offre);

// "conforme" when the stated TAEG is within a tenth of a point; "TAEG annoncé
// trop bas de 0,12 point" when it understates the cost by that much or more,
// "trop haut" the other way; "—" when none is stated.
std::string controle_taeg(std::optional<double> ecart_en_points);
// "conforme" to the cent, else "écart de 1,25 €"; "—" when none is stated.
std::string controle_echeance(std::optional<double> ecart);

}  // namespace credit
