#pragma once

// The hypothesis table: one row per rate from the minimum to the maximum in
// steps of 0.25 point, one column per whole count of periods, the repayment
// in every cell.

#include "calc/choix.h"
#include "calc/verifications.h"

#include <string>
#include <vector>

namespace calc {

struct Grille {
    // Kept by the window until the next table.
    std::string duree_mini, duree_maxi;
    double taux_mini = 0, taux_maxi = 0;
    int nb_lignes = 0, nb_colonnes = 0;  // heading row and column included

    std::vector<double> taux;  // annual rate in percent of rows 1 ...
    std::vector<int> durees;   // count of periods of columns 1 ...
    std::vector<std::string> en_tetes_lignes, en_tetes_colonnes;
    std::vector<int> largeurs;  // of columns 1 ..., in twips
};

// Sizes and heads the table; the inputs have passed the checks.
Grille prepare_grille(const SaisieHypotheses& saisie);

// The repayment texts, row by row; a cell with no repayment (0 periods) is empty.
std::vector<std::string> calcul_hypotheses(const Grille& grille, double montant, Formule formule, bool en_annees);

// Rows r1..r2 and columns c1..c2 (from 0, headings apart) as tab-separated
// text for a spreadsheet: the column headings first, then a line per rate;
// repayments as plain French numbers ("1985,05"), empty cells empty.
std::string texte_tabule(const std::vector<std::string>& en_tetes_lignes,
                         const std::vector<std::string>& en_tetes_colonnes, const std::vector<std::string>& cellules,
                         int r1, int r2, int c1, int c2);

}  // namespace calc
