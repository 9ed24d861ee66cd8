#include "report/rapport.h"

namespace rapport {
namespace {

const std::string crlf = "\r\n";

std::string paire(const Champ& champ)
{
    return champ.legende + " : " + champ.valeur;
}

std::string bloc(const Hypotheses& h)
{
    return paire(h.montant) + crlf + paire(h.duree_mini) + " " + paire(h.duree_maxi) + crlf + paire(h.taux_mini) + " " +
           paire(h.taux_maxi) + crlf;
}

// The rate box has no per cent sign of its own: the report adds one.
std::string bloc(const Mensualites& m)
{
    return paire(m.montant) + crlf + paire(m.taux) + "% " + paire(m.echeance);
}

std::string bloc(const Taux& t)
{
    return paire(t.montant) + crlf + paire(t.echeance) + " " + paire(t.nombre);
}

// Landscape from 8 columns on, heading column included.
Orientation orientation(const Hypotheses& h)
{
    return {h.nb_colonnes >= 8};
}

}  // namespace

Impression composer(const Fenetre& f)
{
    const Hypotheses& h = f.hypotheses;
    const Mensualites& m = f.mensualites;
    const Taux& t = f.taux;
    int utilises = h.utilise + m.utilise + t.utilise;
    if (utilises == 0)
        return {calc::Message{"Tout les montants sont à zéro\r\nIl n'y a rien à imprimer !", "Menu imprimer",
                              calc::Icone::critique},
                {}};

    std::vector<Operation> ops;
    auto ajouter = [&ops](auto... o) { (ops.emplace_back(std::move(o)), ...); };
    ajouter(Police{"arial"});
    if (utilises > 1)
        ajouter(Taille{12}, orientation(h), Texte{"Impression du " + f.date + " -- VELORAN V2 -- " + crlf},
                Texte{bloc(m)}, Texte{std::string(122, '-')}, Texte{m.resultat}, Texte{std::string(62, '=') + crlf},
                Texte{bloc(t)}, Texte{std::string(124, '-')}, Texte{t.resultat}, Texte{std::string(62, '=') + crlf},
                Image{0, 5000}, Texte{bloc(h)});
    else if (h.utilise)
        ajouter(orientation(h), Image{0, 1000}, Texte{bloc(h)});
    else if (m.utilise)
        ajouter(Texte{bloc(m) + crlf}, Taille{12}, Texte{m.resultat});
    else
        ajouter(Texte{bloc(t) + crlf}, Taille{12}, Texte{t.resultat + crlf});
    ops.push_back(Fin{});
    return {std::nullopt, ops};
}

}  // namespace rapport
