#pragma once

// When a loan's events happen: the instalment each follows, dated or not.

#include "credit/pret.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace credit {

struct Planifie {
    std::size_t indice;  // in the loan's evenements
    int apres;           // the instalment it follows
};

// "événement 2 : ", to begin what is said of the loan's event of that index.
std::string nommer(std::size_t indice);
// What was said of an event ("événement 2 : …") as a sentence of its own: "Événement 2 : ….".
std::string en_phrase(const std::string& dit);

// What the event is, in French: "après l'échéance 84 : remboursement partiel
// de 30 000,00 €, durée réduite"; dated, "le 05/02/2034 : ...".
std::string decrire(const Evenement& evenement);

// The events in the order they apply: by the instalment they follow, those
// after the same one in their given order. On a dated loan, an event given by
// its date follows the last instalment on or before it. Instead, in French,
// why the first wrong one cannot be: a date on a loan without dates or
// before its first instalment, no instalment, two of a kind after the same one.
std::pair<std::vector<Planifie>, std::string> planifier(const Pret& pret);

}  // namespace credit
