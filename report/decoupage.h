#pragma once

// How a table too large for one page is cut into pages, as a spreadsheet
// prints one: between rows and columns, the heading row and column repeated
// on every page. Pure: sizes in any one unit.

#include <string>
#include <vector>

namespace rapport {

// The hypothesis grid as printed: its texts and its sizes on screen, in pixels.
struct GrilleImprimee {
    std::vector<std::string> en_tetes_colonnes, en_tetes_lignes;
    std::vector<std::string> cellules;             // row by row, a row as many as `largeurs`
    int largeur_en_tete = 0, hauteur_en_tete = 0;  // the heading column and row: the emblem's size
    std::vector<int> largeurs, hauteurs;           // of the columns and rows after them
};

// Columns [colonne, fin_colonne) and rows [ligne, fin_ligne) of the cells, headings apart.
struct Morceau {
    int colonne, fin_colonne, ligne, fin_ligne;
    bool operator==(const Morceau&) const = default;
};

struct Surface {
    double largeur, hauteur;
};

// The pieces in page order: all the rows of the first band of columns, then
// the next band. Each piece with its headings fits a page, the first one
// within `hauteur_premiere` of the first page's height, except where a
// single column or row is larger than that: it then takes a piece of its
// own. Every cell is in exactly one piece; a grid without cells gives one
// empty piece, its headings.
std::vector<Morceau> decouper(const GrilleImprimee& grille, Surface page, double hauteur_premiere);

}  // namespace rapport
