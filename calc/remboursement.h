#pragma once

// What a click on a repayment of the table tells: the total repaid, read
// from the cell as shown, and in years the monthly equivalent.

#include "calc/message.h"

#include <optional>
#include <string>

namespace calc {

// texte_cellule as the table shows it ("  852,52 €"), duree_mini the text of
// Text2 now, colonne from 1. Nothing for a cell that holds no repayment.
std::optional<Message> detail_remboursement(const std::string& texte_cellule, const std::string& duree_mini,
                                            int colonne, bool en_annees);

}  // namespace calc
