#pragma once

// What an offer costs, as a borrower compares offers: its schedule, its
// totals, its TAEG and TAEA, and how it stands against the HCSF rules and the
// usury threshold.

#include "credit/deroulement.h"
#include "credit/offre.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace credit {

// What the HCSF asks of lenders: instalments, insurance included, within 35 %
// of the net income, and 25 years at most.
constexpr int endettement_maxi_pour_cent = 35;
constexpr int duree_maxi_annees = 25;

// The loan as it will run with its events (see derouler: property credit,
// the legal clause), beside the contract.
struct AvecEvenements {
    std::vector<Ligne> lignes;
    std::vector<EvenementApplique> appliques;
    std::vector<std::string> descriptions;  // of each applied event, in French (see decrire)
    std::vector<std::string> avertissements;
    // Of each rate change and insurance switch: "Événement 2 : rentable après l'échéance 57."
    std::vector<std::string> rentabilites;
    double interets = 0, assurance = 0;
    double indemnites_et_frais = 0;  // the penalties and the renegotiations' fees
    double cout_total = 0;           // interets + assurance + the loan's fees + indemnites_et_frais
    double gain = 0;                 // the contract's cout_total less this one
};

struct Bilan {
    std::vector<Ligne> lignes;  // the contract's
    double interets = 0, assurance = 0, frais = 0, cout_total = 0;  // euros, sums to the cent
    std::optional<double> taeg;                                     // a fraction, unrounded
    std::optional<double> taea;                                     // TAEG minus TAEG without insurance
    std::optional<double> endettement;  // the largest instalment with insurance, brought to a month, over the income
    std::vector<std::string> alertes;   // in French: each rule the offer breaks
    std::optional<AvecEvenements> evenements;  // none without events
};

Bilan etablir_bilan(const Offre& offre);

// What the rules weigh, for a loan or a whole offer.
struct Regles {
    std::optional<double> taeg;
    std::optional<double> endettement;
    bool endettement_excessif = false;  // beyond 35 %, weighed in cents
    double annees = 0;                  // the longest loan's
    std::optional<double> taux_usure;
    const char* quoi = "ce prêt";  // what the TAEG is of
};

// In French, each rule broken: no TAEG, the debt ratio beyond 35 % or the
// term beyond 25 years (the HCSF's), the TAEG above the usury rate (the law's).
std::vector<std::string> alertes(const Regles& regles);

// The totals as the window and the printed schedule show them: the name
// the window gives its figure, the caption, then the text ("12 345,67 €",
// "3,53 %", "—" for a value that does not exist).
struct Total {
    const char* nom;
    std::string legende, texte;
};
std::vector<Total> totaux(const Bilan& bilan);
// The same with the events, to show beside: empty without events.
std::vector<Total> totaux_avec_evenements(const Bilan& bilan);

// The schedule's columns, as the window, the print and the export head them:
// the line's number, then amounts, each with where a line holds it.
struct Colonne {
    const char* titre;
    double (*montant)(const Ligne&);  // none for the line's number
};
inline constexpr std::array<Colonne, 7> colonnes = {{
    {"N°", nullptr},
    {"Échéance", [](const Ligne& l) { return l.echeance; }},
    {"Intérêts", [](const Ligne& l) { return l.interets; }},
    {"Capital amorti", [](const Ligne& l) { return l.capital_amorti; }},
    {"Assurance", [](const Ligne& l) { return l.assurance; }},
    {"Échéance avec assurance", [](const Ligne& l) { return l.echeance + l.assurance; }},
    {"Capital restant dû", [](const Ligne& l) { return l.capital_restant_du; }},
}};

// A line's cell in a column: its number, or its amount written by `ecrire`.
template <class F>
std::string cellule(const Ligne& ligne, const Colonne& colonne, F ecrire)
{
    return colonne.montant ? ecrire(colonne.montant(ligne)) : std::to_string(ligne.numero);
}

// A year of the schedule: of the loan, from its first instalment, or of the calendar.
struct Annee {
    int annee;  // 1 ..., or 2027 ...
    double capital, interets, assurance;
    double capital_restant_du;  // at the year's end
};

// By year of the loan; by calendar year when the first instalment is dated.
std::vector<Annee> par_annee(const std::vector<Ligne>& lignes, int periodes_par_an,
                             std::optional<Date> premiere = std::nullopt);

// The schedule as French spreadsheets read it: UTF-8 with a byte order mark,
// semicolons, decimal commas, one heading line, CR LF line ends. With
// events: the lines as the loan will run, then after an empty line each event
// with what it cost, then the totals of the contract and with the events.
std::string texte_csv(const Bilan& bilan);

// A spreadsheet's cell: quoted, its quotes doubled, when it holds a semicolon,
// a quote or a line end.
std::string champ_csv(const std::string& texte);

}  // namespace credit
