#include "calc/depart.h"

#include "calc/tableau.h"

namespace calc {

Depart depart_de_la_case(const Grille& grille, double montant, int ligne, int colonne, Formule formule, bool en_annees)
{
    auto a_l_indice = [](const auto& liste, int i) {
        return i >= 0 && static_cast<std::size_t>(i) < liste.size() ? liste[static_cast<std::size_t>(i)] : 0;
    };
    Depart d;
    d.montant = montant;
    d.taux = a_l_indice(grille.taux, ligne);
    d.nombre = a_l_indice(grille.durees, colonne);
    d.periodes_par_an = periodes_par_an(en_annees);
    d.en_debut_de_periode = formule == Formule::interets_constants;
    if (!d.en_debut_de_periode)
        d.note = std::string("Le tableau d'amortissement suit la méthode des annuités, celle des banques, et non la "
                             "formule « ") +
                 libelle(formule) + " » de la fenêtre principale.";
    return d;
}

}  // namespace calc
