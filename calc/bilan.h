#pragma once

// What an offer costs, as a borrower compares offers: its schedule, its
// totals, its TAEG and TAEA, and how it stands against the HCSF rules and the
// usury threshold.

#include "offre.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace calc {

// What the HCSF asks of lenders: instalments, insurance included, within 35 %
// of the net income, and 25 years at most.
constexpr double endettement_maxi = 0.35;
constexpr int annees_maxi = 25;

struct Bilan {
    std::vector<Ligne> lignes;
    double interets = 0, assurance = 0, frais = 0, cout_total = 0;  // euros, sums to the cent
    std::optional<double> taeg;                                     // a fraction, unrounded
    std::optional<double> taea;                                     // TAEG minus TAEG without insurance
    std::optional<double> endettement;  // the largest monthly instalment with insurance over the income
    std::vector<std::string> alertes;   // in French: each rule the offer breaks
};

Bilan etablir_bilan(const Offre& offre);

// The totals as the window and the printed schedule show them: caption, then
// text ("12 345,67 €", "3,53 %", "—" for a value that does not exist).
struct Total {
    std::string legende, texte;
};
std::vector<Total> totaux(const Bilan& bilan);

// The schedule's columns, as the window, the print and the export head them;
// column 0 is the line's number, the others amounts.
inline constexpr std::array<const char*, 7> colonnes = {
    "N°", "Échéance", "Intérêts", "Capital amorti", "Assurance", "Échéance avec assurance", "Capital restant dû"};
double montant_colonne(const Ligne& ligne, std::size_t colonne);

// A year of the schedule, from the first instalment.
struct Annee {
    int annee;  // 1 ...
    double capital, interets, assurance;
    double capital_restant_du;  // at the year's end
};

std::vector<Annee> par_annee(const std::vector<Ligne>& lignes, int periodes_par_an);

// The schedule as French spreadsheets read it: UTF-8 with a byte order mark,
// semicolons, decimal commas, one heading line, CR LF line ends.
std::string texte_csv(const std::vector<Ligne>& lignes);

}  // namespace calc
