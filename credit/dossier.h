#pragma once

// A borrower's dossier: the household's situation and the bank offers it
// weighs, each one or more fixed-rate loans with its fees, its
// early-repayment clause and what the bank states.

#include "credit/echeancier.h"
#include "credit/indemnites.h"

#include <optional>
#include <string>
#include <vector>

namespace credit {

struct Frais {
    double dossier = 0, courtage = 0, garantie = 0;
    double garantie_restituee = 0;  // the part of the guarantee returned at the loan's end

    bool operator==(const Frais&) const = default;
};

// What the bank states, to be checked.
struct Annonce {
    std::optional<double> taeg;      // a fraction
    std::optional<double> echeance;  // the first instalment without insurance, euros

    bool operator==(const Annonce&) const = default;
};

// The offer's first loan pays each month a constant outlay less what the
// other loans cost that month (with their insurance and its own, or without);
// see lissage.h.
struct Lissage {
    bool avec_assurance = true;

    bool operator==(const Lissage&) const = default;
};

struct OffreBancaire {
    std::string nom;
    Credit credit = Credit::immobilier;
    std::vector<Pret> prets;  // their own fees at 0: the offer's count for them all
    Frais frais;
    Clause indemnites;
    Annonce annonce;
    std::optional<Lissage> lissage;

    bool operator==(const OffreBancaire&) const = default;
};

struct Situation {
    std::optional<double> revenu_mensuel;      // net, euros
    std::optional<double> charges_mensuelles;  // the household's other loans, euros a month
    std::optional<double> taux_usure;          // a fraction

    bool operator==(const Situation&) const = default;
};

constexpr int horizon_maxi_annees = 40;

struct Dossier {
    int horizon_annees = 8;  // 1 to horizon_maxi_annees: how long the loan will really run
    Situation situation;
    std::vector<OffreBancaire> offres;

    bool operator==(const Dossier&) const = default;
};

}  // namespace credit
