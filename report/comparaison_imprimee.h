#pragma once

// The printed comparison of a dossier's offers: its situation, a column an
// offer, a row a figure, and where the costs cross.

#include "credit/comparaison.h"
#include "report/document.h"

namespace rapport {

// date: today, short French form.
Document comparaison(const credit::Dossier& dossier, const credit::Comparaison& comparaison, const std::string& date);

}  // namespace rapport
