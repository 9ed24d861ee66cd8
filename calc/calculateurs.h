#pragma once

// The two small calculators: the number of instalments (nb_mens) and the
// interest rate (calcul_taux). Each takes the texts of its boxes and gives
// what the window is to show, in order.

#include "message.h"

#include <optional>
#include <string>
#include <vector>

namespace calc {

struct Resultat {
    std::vector<Message> messages;  // shown first, in order
    bool remettre_a_zero = false;   // the three boxes back to their start-up texts
    bool revenir_aux_interets_simples = false;
    std::optional<std::string> legende;  // the result label's new caption
    std::optional<double> valeur;        // its figure: the count, or the rate in per cent as shown
};

struct SaisieMensualites {
    std::string montant, taux, echeance;  // taux above 1 is a percentage, 1 or below a fraction
    bool en_annees = false;
};

struct SaisieTaux {
    std::string montant, echeance, nombre;
    int formule = 0;  // 0 simple interest, 1 compound interest, 2 constant instalments
    bool en_annees = false;
};

Resultat nb_mens(const SaisieMensualites& saisie);
Resultat calcul_taux(const SaisieTaux& saisie);

}  // namespace calc
