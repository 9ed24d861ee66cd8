#pragma once

// A loan offer as the schedule window's fields give it, read and checked.

#include "credit/dossier.h"
#include "credit/echeancier.h"

#include <optional>
#include <string>
#include <vector>

namespace credit {

struct SaisieOffre {
    std::string montant;  // euros
    std::string taux;     // nominal, per cent a year
    std::string nombre;   // of instalments
    int periodes_par_an = 12;
    Amortissement amortissement = Amortissement::echeances_constantes;
    bool en_debut_de_periode = false;
    std::string taux_assurance;  // per cent a year; empty for none
    BaseAssurance base_assurance = BaseAssurance::capital_initial;
    std::string frais_dossier, frais_garantie, frais_courtage;  // euros; empty for none
    std::string revenu_mensuel;                                 // net, euros; empty when not given
    std::string taux_usure;                                     // per cent a year; empty when not given
    std::string premiere_echeance;                              // "05/02/2027"; empty for an undated loan
    std::vector<Evenement> evenements;
};

struct Offre {
    Pret pret;  // its fees all together
    Frais frais;
    std::optional<double> revenu_mensuel;
    std::optional<double> taux_usure;  // a fraction
};

// The offer as one of a dossier's: its loan, its fees one by one, the legal
// early-repayment clause of property credit, nothing stated.
OffreBancaire offre_bancaire(const Offre& offre, const std::string& nom);

struct Lecture {
    std::optional<Offre> offre;          // when every field is right
    std::vector<std::string> erreurs;    // in French, one per wrong field, in the fields' order
    std::vector<std::string> a_remplir;  // the required fields left empty, which are not errors yet
};

// Rates are read as the decimals typed: "3,45" makes taux_annuel 0.0345.
// Amounts may come with "€" and rates with "%" after them, as offers print them.
// Events that cannot happen to the loan (see derouler, on property credit
// with the legal clause) are errors too.
Lecture lire_offre(const SaisieOffre& saisie);

}  // namespace credit
