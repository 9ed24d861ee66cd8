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
    std::vector<Message> messages;       // shown first, in order
    bool remettre_a_zero = false;        // the three boxes back to their start-up texts
    bool revenir_aux_interets_simples = false;
    std::optional<std::string> legende;  // the result label's new caption
};

// Text4, Text5, Text6; years when Option2(1) is selected.
Resultat nb_mens(const std::string& montant, const std::string& taux, const std::string& echeance, bool en_annees);

// Text7, Text8, Text9; formule is the index of the selected Option3 button.
Resultat calcul_taux(const std::string& montant, const std::string& echeance, const std::string& nombre,
                     int formule, bool en_annees);

}  // namespace calc
