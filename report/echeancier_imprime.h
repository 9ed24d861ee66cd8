#pragma once

// The printed repayment schedule: the offer, its totals and TAEG, every line.

#include "credit/bilan.h"
#include "report/document.h"

namespace rapport {

// date: today, short French form.
Document echeancier(const credit::Offre& offre, const credit::Bilan& bilan, const std::string& date);

}  // namespace rapport
