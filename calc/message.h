#pragma once

#include <string>

namespace calc {

enum class Icone { aucune, critique, exclamation };

// A modal message as the window shows it; lines are joined by CR LF.
struct Message {
    std::string texte;
    std::string titre = "Tarvio";
    Icone icone = Icone::aucune;

    bool operator==(const Message&) const = default;
};

}  // namespace calc
