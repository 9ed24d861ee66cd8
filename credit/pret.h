#pragma once

// A fixed-rate loan as the contract states it, and what happens to it later:
// early repayments, a modulation, an insurance switch, a rate change.

#include "credit/dates.h"

#include <optional>
#include <string>
#include <vector>

namespace credit {

enum class Amortissement { echeances_constantes, capital_constant };
enum class BaseAssurance { capital_initial, capital_restant_du };

// One borrower's cover: an annual rate of a base, for a share of it (the
// quotité), or an amount of euros a month.
struct Assurance {
    double taux = 0;  // a fraction of its base
    BaseAssurance base = BaseAssurance::capital_initial;
    double quotite = 1;                // from 0.01 to 1
    std::optional<double> mensualite;  // euros a month, instead of the rate

    bool operator==(const Assurance&) const = default;
};

enum class SorteEvenement { remboursement_partiel, remboursement_total, modulation, assurance, taux };
// After a partial repayment: the same instalment over fewer lines, or the same end with a lower instalment.
enum class Reduire { duree, echeance };

// Something that changes the loan after one of its instalments; see deroulement.h.
struct Evenement {
    SorteEvenement sorte = SorteEvenement::remboursement_partiel;
    int apres_echeance = 0;    // after this instalment (1 ...), unless dated
    std::optional<Date> date;  // on a dated loan, after the last instalment on or before it
    double montant = 0;        // remboursement_partiel, euros
    Reduire reduire = Reduire::duree;
    bool exoneration = false;           // a repayment after a sale for a job move, a death, a forced end of work
    double pourcentage = 0;             // modulation: the instalment times 1 + pourcentage / 100
    std::vector<Assurance> assurances;  // assurance: the new cover, one a borrower
    double taux_annuel = 0;             // taux: the new nominal rate, a fraction
    double frais = 0;                   // taux: what the renegotiation costs, euros

    bool operator==(const Evenement&) const = default;
};

// The first lines of a loan that repay no capital: partial, each pays its
// interest; total, its interest is added to what is owed. Then the annuity of
// what is owed over the lines left.
struct Differe {
    enum class Sorte { partiel, total };
    int nb_echeances = 0;
    Sorte sorte = Sorte::partiel;

    bool operator==(const Differe&) const = default;
};

// A step of the lines after the deferral: at its first line, its own
// instalment, or the annuity at its rate of what is owed over all the loan's
// lines left; its lines' interest at its rate, the loan's when it has none.
struct Palier {
    int nb_echeances = 0;
    std::optional<double> taux_annuel;  // a fraction
    std::optional<double> echeance;     // euros, paid on every line of the step

    bool operator==(const Palier&) const = default;
};

enum class Logement { collectif_neuf, individuel_neuf };

// What a 0 % state loan is described by; see ptz.h for what it makes.
struct Ptz {
    double cout_operation = 0, plafond = 0;  // euros
    int tranche = 1;                         // of the household's income, 1 to 4
    Logement logement = Logement::collectif_neuf;

    bool operator==(const Ptz&) const = default;
};

struct Pret {
    double capital = 0;      // euros lent
    double taux_annuel = 0;  // nominal annual rate, a fraction: 0.0345 for 3,45 %
    int nb_echeances = 0;
    int periodes_par_an = 12;  // 12 monthly, 4 quarterly, 1 yearly: any divisor of 12
    Amortissement amortissement = Amortissement::echeances_constantes;
    bool en_debut_de_periode = false;   // instalments due at the start of each period
    std::vector<Assurance> assurances;  // one a borrower
    double frais = 0;                   // fees paid at the start: dossier, garantie, courtage
    std::optional<Date> premiere_echeance;
    std::vector<Evenement> evenements;  // the contract's schedule leaves them out
    std::string nom;                    // "PTZ", "Principal": how the borrower calls it
    std::optional<Differe> differe;     // counted in nb_echeances
    std::vector<Palier> paliers;        // covering the lines after the deferral, or none
    std::optional<Ptz> ptz;             // what the loan's terms were proposed from

    bool operator==(const Pret&) const = default;
};

// Beyond these a schedule is refused; within them no integer overflows and
// the instalment's double estimate stays far within a cent.
constexpr double capital_maxi = 1e10;    // euros
constexpr double taux_annuel_maxi = 10;  // 1 000 % a year, for the loan and the insurance
constexpr int nb_echeances_maxi = 1200;

}  // namespace credit
