#pragma once

// A dossier's offers side by side: one column an offer, one row a figure,
// the lowest of each figure where lower is better, and where their costs
// over the years cross.

#include "credit/chiffres.h"

#include <optional>
#include <string>
#include <vector>

namespace credit {

struct Rangee {
    enum class Sorte { montant, taux, texte };
    std::string titre;                           // "Coût à 8 ans"
    Sorte sorte;                                 // of its values
    std::vector<std::optional<double>> valeurs;  // an offer each: euros, a fraction, or a gap
    std::vector<std::string> cellules;           // an offer each: "12 345,67 €", "4,18 %", "—"
    std::vector<bool> plus_basses;               // the lowest cell (each, on a tie) where lower is better
};

struct Comparaison {
    std::vector<std::string> noms;
    std::vector<Rangee> rangees;
    std::vector<std::optional<Chiffres>> chiffres;  // an offer each; none where a loan has no schedule
    // Each offer's cost at 1, 2, ... years, to the end of the dossier's longest loan.
    std::vector<std::vector<double>> couts;
    // In French, each year an offer's cost falls below the cheapest one's at
    // the horizon, or back: "Banque B devient moins chère que Banque A après 9 ans".
    std::vector<std::string> croisements;
};

Comparaison comparer(const Dossier& dossier);

// As French spreadsheets read it: UTF-8 with a byte order mark, semicolons,
// the offers' names heading the columns, amounts as plain decimals
// ("12345,67"), rates in per cent ("4,18 %"), CR LF line ends.
std::string texte_csv(const Comparaison& comparaison);

// As French spreadsheets read it: UTF-8 with a byte order mark, semicolons,
// the offers' names heading the columns, amounts as plain decimals
// ("12345,67"), rates in per cent ("4,18 %"), CR LF line ends.
std::string texte_csv(const Comparaison& comparaison);

// "1 an", "8 ans".
std::string en_annees(int annees);

}  // namespace credit
