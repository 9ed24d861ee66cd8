#pragma once

// The printed repayment schedule: the offer, its totals and TAEG, every line.

#include "bilan.h"
#include "document.h"

namespace rapport {

// date: today, short French form.
Document echeancier(const calc::Offre& offre, const calc::Bilan& bilan, const std::string& date);

}  // namespace rapport
