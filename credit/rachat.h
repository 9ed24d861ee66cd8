#pragma once

// A buy-back (rachat): another bank lends what is owed on a loan, with the
// penalty of repaying it and its own fees, as a new loan; against keeping the
// loan as it runs.

#include "credit/dossier.h"

#include <optional>
#include <string>
#include <vector>

namespace credit {

// The other bank's terms: a monthly loan of constant instalments in arrears.
struct Rachat {
    int apres_echeance = 0;  // of the loan bought back
    double taux_annuel = 0;  // a fraction
    int nb_echeances = 0;
    std::vector<Assurance> assurances;
    double frais = 0;  // euros, lent with the rest
};

// In euros. The capital owed and the penalty are those of the loan with its
// events up to the instalment; what keeping it costs counts all its events.
struct BilanRachat {
    Pret nouveau;                            // capital owed + indemnite + frais
    double indemnite = 0;                    // by the offer's clause, at the rate in force
    double echeance_gardee = 0;              // the next line's instalment and insurance, kept
    double echeance_rachat = 0;              // the new loan's first, with insurance
    double cout_garde = 0, cout_rachat = 0;  // interest and insurance to come; the buy-back's with its penalty and fees
    double gain = 0;                         // cout_garde - cout_rachat
    // The first line of the new loan at which what it saved, line against
    // line, pays back the penalty and fees; none when it never does.
    std::optional<int> rentable_apres;
    std::string erreur;  // in French, when there is nothing to buy back
};

BilanRachat racheter(const OffreBancaire& offre, std::size_t pret, const Rachat& rachat);

}  // namespace credit
