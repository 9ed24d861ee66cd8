#pragma once

// The printed report as a list of print operations, chosen and written from
// the texts the window shows. Nothing here knows a printer.

#include "calc/message.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace rapport {

// A caption and the text of its box, as the window shows them.
struct Champ {
    std::string legende, valeur;
    bool operator==(const Champ&) const = default;
};

// What each calculator shows. A calculator is used once its amount box no
// longer holds its start-up text.
struct Hypotheses {
    bool utilise = false;
    Champ montant, duree_mini, duree_maxi, taux_mini, taux_maxi;
    int nb_colonnes = 0;  // of the table, heading column included; 0 before the first
};

struct Mensualites {
    bool utilise = false;
    Champ montant, taux, echeance;
    std::string resultat;
};

struct Taux {
    bool utilise = false;
    Champ montant, echeance, nombre;
    std::string resultat;
};

struct Fenetre {
    Hypotheses hypotheses;
    Mensualites mensualites;
    Taux taux;
    std::string date;  // today, short French form
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

// One calculator used gives its own short report, two or three the full
// report; none, a refusal.
Impression composer(const Fenetre& f);

}  // namespace rapport
