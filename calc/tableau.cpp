#include "calc/tableau.h"

#include "calc/annuite.h"
#include "calc/motif.h"
#include "calc/nombres.h"

#include <cmath>

namespace calc {

Grille prepare_grille(const SaisieHypotheses& saisie)
{
    Grille g;
    // Whole counts throughout, so that headings, columns and repayments agree.
    int premiere = static_cast<int>(std::nearbyint(virg(saisie.duree_mini).value_or(0)));
    int derniere = static_cast<int>(std::nearbyint(virg(saisie.duree_maxi).value_or(0)));
    g.duree_mini = texte_general(premiere);
    g.duree_maxi = texte_general(derniere);
    g.taux_mini = virg(saisie.taux_mini).value_or(0);
    g.taux_maxi = virg(saisie.taux_maxi).value_or(0);

    double pas = std::nearbyint((g.taux_maxi - g.taux_mini) / 0.25 * 10000) / 10000;
    g.nb_lignes = static_cast<int>(std::nearbyint(pas + 2));
    g.nb_colonnes = derniere - premiere + 2;

    for (int i = 0; i + 1 < g.nb_lignes; ++i) {
        g.taux.push_back(g.taux_mini + 0.25 * i);
        g.en_tetes_lignes.push_back(texte_general(g.taux.back()) + " %");
    }
    const char* unite = saisie.en_annees ? "  Annuités    " : " Mensualités";
    for (int n = premiere; n <= derniere; ++n) {
        g.durees.push_back(n);
        g.en_tetes_colonnes.push_back(texte_general(n) + unite);
        g.largeurs.push_back(static_cast<int>(nb_caracteres(g.en_tetes_colonnes.back())) * 95);
    }
    return g;
}

std::vector<std::string> calcul_hypotheses(const Grille& grille, double montant, Formule formule, bool en_annees)
{
    const Motif euros("### ### ##0.00 €");
    std::vector<std::string> cellules;
    cellules.reserve(grille.taux.size() * grille.durees.size());
    for (double taux : grille.taux)
        for (int n : grille.durees) {
            auto p =
                calcul_echeance(formule, montant, taux / 100, static_cast<std::int16_t>(n), periodes_par_an(en_annees));
            cellules.push_back(p ? euros(*p) : std::string());
        }
    return cellules;
}

namespace {

// "  1 985,05 €" gives "1985,05": no grouping blanks, no currency sign.
std::string nombre_pour_tableur(const std::string& cellule)
{
    std::string nombre;
    for (char c : cellule)
        if ((c >= '0' && c <= '9') || c == ',' || c == '-')
            nombre += c;
    return nombre;
}

}  // namespace

std::string texte_tabule(const std::vector<std::string>& en_tetes_lignes,
                         const std::vector<std::string>& en_tetes_colonnes, const std::vector<std::string>& cellules,
                         int r1, int r2, int c1, int c2)
{
    auto colonnes = en_tetes_colonnes.size();
    std::string texte;
    for (int c = c1; c <= c2; ++c)
        texte += '\t' + en_tetes_colonnes.at(static_cast<std::size_t>(c));
    texte += '\n';
    for (int r = r1; r <= r2; ++r) {
        texte += en_tetes_lignes.at(static_cast<std::size_t>(r));
        for (int c = c1; c <= c2; ++c)
            texte += '\t' + nombre_pour_tableur(
                                cellules.at(static_cast<std::size_t>(r) * colonnes + static_cast<std::size_t>(c)));
        texte += '\n';
    }
    return texte;
}

}  // namespace calc
