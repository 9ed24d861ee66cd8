#pragma once

// A document that flows over as many pages as it needs: a title, paragraphs,
// a table whose heading row is repeated at the top of every page, and
// paragraphs after it. Nothing here knows a printer.

#include <string>
#include <vector>

namespace rapport {

struct Document {
    std::string titre;
    std::vector<std::string> avant;
    std::vector<std::string> en_tetes;
    std::vector<std::vector<std::string>> lignes;  // as many cells as headings; numbers align right
    std::vector<std::string> apres;
};

}  // namespace rapport
