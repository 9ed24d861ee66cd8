#pragma once

// How much a household can borrow: the largest amount whose monthly
// instalment with insurance keeps the debt ratio, and the other way the
// duration an amount needs.

#include <optional>

namespace credit {

struct DemandeCapacite {
    double revenu_mensuel = 0;      // net, euros
    double charges_mensuelles = 0;  // the household's other loans, euros a month
    double endettement = 0.35;      // the debt ratio to keep, a fraction
    double taux_annuel = 0;         // nominal, a fraction
    int nb_echeances = 300;         // monthly
    double taux_assurance = 0;      // a year, a fraction of the amount lent
};

struct Capacite {
    double montant = 0;                  // whole euros
    double echeance_avec_assurance = 0;  // its monthly instalment, insurance included
    double reste_a_vivre = 0;            // income less the instalment and the charges
};

// The instalment of `montant` over the months asked: the constant instalment
// in arrears, rounded to the cent as the schedule's, plus the insurance,
// montant x taux / 12 rounded to the cent; none without a schedule.
std::optional<double> mensualite(const DemandeCapacite& demande, double montant);

// The largest amount in whole euros whose instalment plus the charges is at
// most endettement x revenu, to the cent; none when not even 1 € is.
std::optional<Capacite> capacite(const DemandeCapacite& demande);

// The fewest months, 1 to 1 200, over which `montant` keeps the ratio; none
// when no duration does. The instalment falls as the months grow (a rate not
// below 0): the months are searched by halves.
std::optional<int> duree_necessaire(DemandeCapacite demande, double montant);

}  // namespace credit
