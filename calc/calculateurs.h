#pragma once

// The two small calculators: the number of instalments (nb_mens) and the
// interest rate (calcul_taux). Each takes the texts of its boxes and gives
// what the window is to show, in order.

#include "calc/choix.h"
#include "calc/depart.h"
#include "calc/message.h"

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
    std::optional<Depart> depart;        // the loan found, for the schedule: with every result
};

struct SaisieMensualites {
    std::string montant, taux, echeance;  // taux: see taux_en_fraction
    bool en_annees = false;
};

struct SaisieTaux {
    std::string montant, echeance, nombre;
    Formule formule = Formule::interets_simples;
    bool en_annees = false;
};

// The loan's schedule counts the instalments in the unit chosen.
Resultat nb_mens(const SaisieMensualites& saisie);
// The rate is found in months, whatever the unit: so is the loan's schedule.
// Its rate is the one shown; only constant instalments are the bank's method,
// which a note says for the other formulas.
Resultat calcul_taux(const SaisieTaux& saisie);

}  // namespace calc
