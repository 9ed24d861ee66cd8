#pragma once

// What a finished calculation of the main window hands to the repayment
// schedule, to start from the loan it has just computed.

#include "calc/choix.h"

#include <string>

namespace calc {

struct Grille;

struct Depart {
    double montant = 0;
    double taux = 0;  // per cent a year
    int nombre = 0;
    int periodes_par_an = 12;
    bool en_debut_de_periode = false;
    std::string note;  // said once, when the schedule's method differs from the main window's

    bool operator==(const Depart&) const = default;
};

// The cell (ligne, colonne), from 0, of the table `grille`: its rate and count,
// the amount typed, the periods of the unit chosen now. Constant instalments
// are due at the start of each period, as the table computes them; the other
// formulas are noted as not the bank's method.
Depart depart_de_la_case(const Grille& grille, double montant, int ligne, int colonne, Formule formule, bool en_annees);

}  // namespace calc
