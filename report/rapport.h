#pragma once

// The printed report as a list of print operations, chosen and written from
// the texts the window shows. Nothing here knows a printer.

#include "message.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace rapport {

// What the print command reads from the window, as text.
struct Fenetre {
    std::string label1, text1, label2, text2, label5, text3, label3, combo1, label4, combo2;
    std::string label6, text4, label7, text5, label9, text6, label10;
    std::string label11, text7, label12, text8, label13, text9, label14;
    std::string nb_colonnes;  // empty before the first table
    std::string date;         // today, short French form
};

struct Police {
    std::string nom;
};
struct Taille {
    double points;
};
struct Orientation {
    bool paysage;
};
// Lines joined by CR LF; every text ends its last line.
struct Texte {
    std::string texte;
};
// The grid's black and white picture, top left corner at (x, y) twips.
struct Image {
    int x, y;
};
// Ends the print document.
struct Fin {};

using Operation = std::variant<Police, Taille, Orientation, Texte, Image, Fin>;

struct Impression {
    std::optional<calc::Message> refus;  // nothing to print
    std::vector<Operation> operations;
};

Impression mnimprim(const Fenetre& f);

}  // namespace rapport
