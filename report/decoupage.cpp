#include "report/decoupage.h"

namespace rapport {
namespace {

// Bands [debut, fin) of `tailles`, the first within `premiere` and the
// others within `suivantes`, each of one size at least.
std::vector<std::pair<int, int>> bandes(const std::vector<int>& tailles, double premiere, double suivantes)
{
    std::vector<std::pair<int, int>> liste;
    const int n = static_cast<int>(tailles.size());
    for (int debut = 0; debut < n || liste.empty();) {
        double place = liste.empty() ? premiere : suivantes, pris = 0;
        int fin = debut;
        while (fin < n && (fin == debut || pris + tailles[static_cast<std::size_t>(fin)] <= place))
            pris += tailles[static_cast<std::size_t>(fin++)];
        liste.emplace_back(debut, fin);
        debut = fin;
    }
    return liste;
}

}  // namespace

std::vector<Morceau> decouper(const GrilleImprimee& g, Surface page, double hauteur_premiere)
{
    const double largeur = page.largeur - g.largeur_en_tete, hauteur = page.hauteur - g.hauteur_en_tete;
    std::vector<Morceau> morceaux;
    for (auto [colonne, fin_colonne] : bandes(g.largeurs, largeur, largeur)) {
        // Only the first band starts on the first page.
        double haut = morceaux.empty() ? hauteur_premiere - g.hauteur_en_tete : hauteur;
        for (auto [ligne, fin_ligne] : bandes(g.hauteurs, haut, hauteur))
            morceaux.push_back({colonne, fin_colonne, ligne, fin_ligne});
    }
    return morceaux;
}

}  // namespace rapport
