// A table too large for a page, cut as a spreadsheet prints it.
#include "report/decoupage.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

using namespace rapport;

namespace rapport {
void PrintTo(const Morceau& m, std::ostream* sortie)
{
    *sortie << "colonnes " << m.colonne << ".." << m.fin_colonne << ", lignes " << m.ligne << ".." << m.fin_ligne;
}
}  // namespace rapport

namespace {

GrilleImprimee grille(std::vector<int> largeurs, std::vector<int> hauteurs)
{
    GrilleImprimee g;
    g.largeur_en_tete = 50, g.hauteur_en_tete = 50;
    g.largeurs = std::move(largeurs), g.hauteurs = std::move(hauteurs);
    return g;
}

int somme(const std::vector<int>& tailles, int debut, int fin)
{
    return std::accumulate(tailles.begin() + debut, tailles.begin() + fin, 0);
}

// Every cell once, bands in page order, and each piece as full as its page
// allows: one more column or row would not fit.
void verifier(const GrilleImprimee& g, Surface page, double premiere)
{
    auto morceaux = decouper(g, page, premiere);
    std::multiset<std::pair<int, int>> cellules;
    const int colonnes = static_cast<int>(g.largeurs.size()), lignes = static_cast<int>(g.hauteurs.size());
    for (std::size_t i = 0; i < morceaux.size(); ++i) {
        const Morceau& m = morceaux[i];
        SCOPED_TRACE(testing::Message() << "piece " << i);
        for (int c = m.colonne; c < m.fin_colonne; ++c)
            for (int l = m.ligne; l < m.fin_ligne; ++l)
                cellules.insert({c, l});
        bool premiere_bande = m.colonne == 0;
        double haut = (i == 0 ? premiere : page.hauteur) - g.hauteur_en_tete;
        int large = somme(g.largeurs, m.colonne, m.fin_colonne), haute = somme(g.hauteurs, m.ligne, m.fin_ligne);
        EXPECT_TRUE(large <= page.largeur - g.largeur_en_tete || m.fin_colonne - m.colonne == 1);
        EXPECT_TRUE(haute <= haut || m.fin_ligne - m.ligne == 1);
        if (m.fin_colonne < colonnes) {
            EXPECT_GT(large + g.largeurs[m.fin_colonne], page.largeur - g.largeur_en_tete);
        }
        if (m.fin_ligne < lignes) {
            EXPECT_GT(haute + g.hauteurs[m.fin_ligne], haut);
        }
        if (i > 0) {  // down the band, then the next band from its top
            const Morceau& p = morceaux[i - 1];
            EXPECT_TRUE(p.fin_ligne == m.ligne ? p.colonne == m.colonne
                                               : p.fin_colonne == m.colonne && m.ligne == 0 && !premiere_bande);
        }
    }
    EXPECT_EQ(cellules.size(), std::size_t(colonnes) * lignes);
    EXPECT_EQ(std::set(cellules.begin(), cellules.end()).size(), cellules.size());
}

}  // namespace

TEST(Decoupage, ChaqueCelluleUneFoisPageApresPage)
{
    // The largest table: 239 columns of years, 97 rates, on A4 in landscape at 96 pixels an inch.
    verifier(grille(std::vector<int>(239, 64), std::vector<int>(97, 16)), {1047, 720}, 720 - 5000 / 15.0);
    // Uneven sizes, a first page with room for a few rows only.
    std::vector<int> largeurs, hauteurs;
    for (int i = 0; i < 40; ++i)
        largeurs.push_back(30 + i * 7 % 90), hauteurs.push_back(10 + i * 13 % 40);
    verifier(grille(largeurs, hauteurs), {500, 400}, 130);
    EXPECT_EQ(decouper(grille({64, 64}, {16, 16}), {1047, 720}, 600), (std::vector<Morceau>{{0, 2, 0, 2}}));
}

TEST(Decoupage, TropGrandOuVide)
{
    // A column or row larger than the page, or a first page with no room: one a piece, never none.
    auto morceaux = decouper(grille({2000, 10, 10}, {16, 900, 16}), {1000, 700}, 40);
    EXPECT_EQ(morceaux, (std::vector<Morceau>{
                            {0, 1, 0, 1}, {0, 1, 1, 2}, {0, 1, 2, 3}, {1, 3, 0, 1}, {1, 3, 1, 2}, {1, 3, 2, 3}}));
    verifier(grille({2000, 10, 10}, {16, 900, 16}), {1000, 700}, 40);
    EXPECT_EQ(decouper(grille({}, {}), {1000, 700}, 700), (std::vector<Morceau>{{0, 0, 0, 0}}));
}

// 950 by 650 pixels after the 50-pixel headings: two columns or rows that fill that exactly
// share a page, one pixel more and they do not.
TEST(Decoupage, UneBandeQuiRemplitLaPageAuPixelPres)
{
    EXPECT_EQ(decouper(grille({475, 475}, {325, 325}), {1000, 700}, 700), (std::vector<Morceau>{{0, 2, 0, 2}}));
    EXPECT_EQ(decouper(grille({475, 476}, {325, 325}), {1000, 700}, 700),
              (std::vector<Morceau>{{0, 1, 0, 2}, {1, 2, 0, 2}}));
    EXPECT_EQ(decouper(grille({475, 475}, {325, 326}), {1000, 700}, 700),
              (std::vector<Morceau>{{0, 2, 0, 1}, {0, 2, 1, 2}}));
}
