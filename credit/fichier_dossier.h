#pragma once

// The dossier file: UTF-8 JSON that users also write by hand or by script,
// laid out in doc/dossier.md. Amounts in euros and rates in per cent, each
// read as the decimal written: 3.45 is 3,45 %.

#include "credit/dossier.h"

#include <optional>
#include <string>
#include <string_view>

namespace credit {

// Raised when a reader of this version would misread a file of the previous one.
constexpr int version_dossier = 3;

struct LectureDossier {
    std::optional<Dossier> dossier;
    std::string erreur;        // in French, naming the offer, the loan and the key; empty when read
    bool plus_recent = false;  // of a later version: never to be overwritten
};

// Strict: a text that is not JSON, not a dossier, of a later version, or that
// holds a wrong value gives no dossier. Unknown keys are ignored.
LectureDossier lire_dossier(std::string_view texte);

// Every key, defaults included, so that a script reads it without knowing
// them; what is not given (an income, a stated TAEG) as null.
std::string ecrire_dossier(const Dossier& dossier);

}  // namespace credit
