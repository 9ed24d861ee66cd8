#include "rapport.h"

#include "nombres.h"

namespace rapport {
namespace {

const std::string crlf = "\r\n";

std::string paire(const std::string& legende, const std::string& valeur)
{
    return legende + " : " + valeur;
}

std::string bloc_hypotheses(const Fenetre& f)
{
    return paire(f.label1, f.text1) + crlf + paire(f.label2, f.text2) + " " + paire(f.label5, f.text3) + crlf +
           paire(f.label3, f.combo1) + " " + paire(f.label4, f.combo2) + crlf;
}

std::string bloc_mensualites(const Fenetre& f)
{
    return paire(f.label6, f.text4) + crlf + paire(f.label7, f.text5) + "% " + paire(f.label9, f.text6);
}

std::string bloc_taux(const Fenetre& f)
{
    return paire(f.label11, f.text7) + crlf + paire(f.label12, f.text8) + " " + paire(f.label13, f.text9);
}

// Landscape from 8 columns on, heading column included; portrait while no
// table has been built.
Orientation orientation(const Fenetre& f)
{
    auto colonnes = calc::virg(f.nb_colonnes);
    return {colonnes && *colonnes >= 8};
}

}  // namespace

Impression mnimprim(const Fenetre& f)
{
    bool hypotheses = f.text1 != "0.00", mensualites = f.text4 != "0", taux = f.text7 != "0";
    int utilises = hypotheses + mensualites + taux;
    if (utilises == 0)
        return {calc::Message{"Tout les montants sont à zéro\r\nIl n'y a rien à imprimer !", "Menu imprimer",
                              calc::Icone::critique},
                {}};

    std::vector<Operation> ops;
    auto ajouter = [&ops](auto... o) { (ops.emplace_back(std::move(o)), ...); };
    ajouter(Police{"arial"});
    if (utilises > 1)
        ajouter(Taille{12}, orientation(f), Texte{"Impression du " + f.date + " -- VELORAN V2 -- " + crlf},
                Texte{bloc_mensualites(f)}, Texte{std::string(122, '-')}, Texte{f.label10},
                Texte{std::string(62, '=') + crlf}, Texte{bloc_taux(f)}, Texte{std::string(124, '-')},
                Texte{f.label14}, Texte{std::string(62, '=') + crlf}, Image{0, 5000}, Texte{bloc_hypotheses(f)});
    else if (hypotheses)
        ajouter(orientation(f), Image{0, 1000}, Texte{bloc_hypotheses(f)});
    else if (mensualites)
        ajouter(Texte{bloc_mensualites(f) + crlf}, Taille{12}, Texte{f.label10});
    else
        ajouter(Texte{bloc_taux(f) + crlf}, Taille{12}, Texte{f.label14 + crlf});
    ops.push_back(Fin{});
    return {std::nullopt, ops};
}

}  // namespace rapport
