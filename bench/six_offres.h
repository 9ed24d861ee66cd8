#pragma once

#include "credit/dossier.h"

#include <string>

// The comparison's measured dossier: six offers of two loans of 300 monthly
// lines, insurance on the capital owed for two borrowers.
inline credit::Dossier six_offres()
{
    credit::Dossier dossier;
    dossier.situation = {6200, 350, 0.0508};
    for (int i = 0; i < 6; ++i) {
        credit::Pret principal{.capital = 250000.0 + 1000 * i, .taux_annuel = 0.031 + 0.001 * i, .nb_echeances = 300};
        principal.assurances = {{.taux = 0.0034, .base = credit::BaseAssurance::capital_restant_du},
                                {.taux = 0.0034, .base = credit::BaseAssurance::capital_restant_du, .quotite = 0.5}};
        credit::Pret ptz{.capital = 40000, .taux_annuel = 0, .nb_echeances = 300};
        dossier.offres.push_back({.nom = "Banque " + std::to_string(i),
                                  .prets = {principal, ptz},
                                  .frais = {1000, 500, 3000, 2000},
                                  .annonce = {0.04, 1200}});
    }
    return dossier;
}
