#pragma once

// The line-by-line engine behind a loan's schedule, its deferral and steps,
// its events and a smoothed outlay: one state carried from line to line.

#include "credit/conditions.h"
#include "credit/deroulement.h"
#include "credit/plan_evenements.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace credit {

// The schedule as it stands before a line: what is owed, at which rate, for
// which instalment (the capital part, with constant capital), to which end.
struct Etat {
    std::int64_t reste;
    Fraction taux;
    double taux_annuel;
    std::vector<Prime> primes;
    std::int64_t part;
    int fin;
    double taux_du_contrat;  // the loan's own rate, renegotiated or not: a step without a rate takes it
    bool solde = false;      // repaid in full by an event
};

class Moteur {
public:
    Moteur(const Pret& pret, const Conditions& c, Credit credit, const Clause& clause);

    // The lines, events applied after theirs (see derouler).
    Deroulement executer(const std::vector<Planifie>& plan, std::optional<int> arret);

    // What a line pays without insurance, given its insurance: a smoothed
    // outlay's part. Lines of the deferral keep their own rule.
    std::function<std::int64_t(int ligne, std::int64_t assurance)> versement;
    // Searching a smoothed outlay: no line is clamped, the last repays no more than the others.
    bool sans_solde = false;

private:
    std::optional<Etat> depart() const;
    Ligne ligne(Etat& e, int k);
    std::string debut_de_ligne(Etat& e, int k);
    std::string insuffisance(int k) const;

    std::int64_t interets_restants(Etat e, int k);
    std::optional<int> fin_au_meme_rythme(const Etat& e, int k) const;
    std::string recalculer(Etat& e, int k) const;
    std::string nouveau_rythme(Etat& e, int k) const;
    std::int64_t penalite(Etat& e, int k, std::int64_t montant, bool exoneration);
    std::int64_t cout_de_la_ligne(Etat& e, int j);
    std::optional<int> rentable_apres(Etat sans, Etat avec, int k, std::int64_t frais);
    std::string appliquer(const Evenement& ev, Etat& e, int k, EvenementApplique& a);
    std::string rembourser(const Evenement& ev, Etat& e, int k, EvenementApplique& a);
    std::string changer(const Evenement& ev, Etat& e, int k, EvenementApplique& a);

    const Pret& pret_;
    const Conditions& c_;
    Credit credit_;
    const Clause& clause_;
    bool capital_constant_;
    int mois_par_ligne_;
    int differe_;                               // its lines, 0 without
    std::map<int, std::size_t> paliers_;        // each step's index, by its first line
    std::optional<std::size_t> palier_impose_;  // the step in force, when it sets its instalment
    bool insuffisante_ = false;                 // the last line's instalment fell short of its interest
    std::vector<std::pair<int, std::int64_t>> remboursements_;  // of the run: after which line, how much
    std::vector<std::string> avertissements_;
    bool arret_ = false;  // a cost at a horizon: no break-even asked
};

// Why a loan's deferral and steps cannot be: "le différé …", "palier 2 : …"; empty when they can.
std::string verifier_differe_et_paliers(const Pret& pret);

}  // namespace credit
