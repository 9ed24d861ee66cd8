#pragma once

// The checks that run before the hypothesis table is built. Each reads the
// texts as they stand after the checks before it (a box emptied by one reads
// as empty in the next), may refuse with a message, and keeps the code of the
// last failure.

#include "calc/message.h"

#include <string>
#include <vector>

namespace calc {

struct SaisieHypotheses {
    std::string montant;     // Text1
    std::string duree_mini;  // Text2
    std::string duree_maxi;  // Text3
    std::string taux_mini;   // Combo1
    std::string taux_maxi;   // Combo2
    bool en_annees = false;  // Option2(1)
};

// A refusal: its message, then the boxes it empties.
struct Refus {
    Message message;
    bool vider_montant = false;
    bool vider_durees = false;
};

// Which check failed last, numbered as the window shows it.
enum class CodeErreur { aucun = 0, montant = 1, taux = 2, ecart_en_annees = 3, periodes = 4 };

struct Verification {
    SaisieHypotheses saisie;
    CodeErreur code_erreur = CodeErreur::aucun;
    std::vector<Refus> refus;
};

void verif_montant(Verification& v);
void verif_taux(Verification& v);
void verif_durees(Verification& v);

// The three checks in order; the table may be built when none failed.
Verification verifier_hypotheses(const SaisieHypotheses& saisie);
inline bool tableau_permis(const Verification& v)
{
    return v.code_erreur == CodeErreur::aucun;
}

// The widest span of rates a table takes, in percentage points.
constexpr double ecart_taux_maximal = 100;

}  // namespace calc
