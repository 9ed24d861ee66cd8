#pragma once

// A frame of the main window and the controls it owns, built from a table in
// which one row holds everything about one control.

#include "calc/depart.h"
#include "report/rapport.h"

#include <QGroupBox>
#include <QHash>

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

class ChampNombre;
class QComboBox;
class QLabel;
class QPushButton;

// In twips within the frame; a caption sizes itself.
struct Place {
    int gauche, haut, largeur = 0, hauteur = 0;
};

// A control as the user sees it and as a screen reader names it.
struct Description {
    const char* nom;  // the object name, which tests and accessibility tools know
    Place place;
    const char* texte;  // caption, or start-up text
    const char* bulle = "";
    const char* nom_accessible = "";  // what it asks for, unique in the window
    int tabulation = 0;               // its place in the window's Tab order, from 1
};

// A caption, which labels its control for screen readers.
struct Legende {
    const char* nom = nullptr;  // none for a control without caption
    Place place = {};
    const char* texte = "";
};

// One row of a panel's table: the member it fills, the control, its caption,
// the calculator's input it gives and the report's line it prints on.
template <class P, class Saisie, class Rapport>
struct Controle {
    std::variant<ChampNombre * P::*, QComboBox * P::*, QPushButton * P::*> membre;
    Description description;
    Legende legende = {};
    std::string Saisie::*saisie = nullptr;
    rapport::Champ Rapport::*rapport = nullptr;
};

class Panneau : public QGroupBox {
public:
    Panneau(QWidget* parent, const char* nom, Place place, const QString& titre);

    // Told of each loan the panel computes.
    std::function<void(const calc::Depart&)> quand_calcule = [](const calc::Depart&) {};

    // Its controls that Tab reaches, each with its place in the window's order.
    const std::vector<std::pair<int, QWidget*>>& tabulation() const { return tabulation_; }

protected:
    // The controls in table order, which is also the order they are drawn in:
    // each caption first, its leader dots running under its box.
    template <class P, class S, class R, std::size_t N>
    void construire(const Controle<P, S, R> (&table)[N])
    {
        for (const auto& c : table) {
            QLabel* legende = c.legende.nom ? creer_legende(c.legende) : nullptr;
            QWidget* w = std::visit([&](auto m) { return creer(c.description, static_cast<P&>(*this).*m); }, c.membre);
            decrire(w, c.description, legende);
        }
    }

    // What the boxes give the calculator.
    template <class P, class S, class R, std::size_t N>
    S lire_saisie(const Controle<P, S, R> (&table)[N]) const
    {
        S s{};
        for (const auto& c : table)
            if (c.saisie)
                s.*c.saisie = texte_de(controle(c));
        return s;
    }

    // The report's lines: each caption and the text of its box.
    template <class P, class S, class R, std::size_t N>
    R lire_rapport(const Controle<P, S, R> (&table)[N]) const
    {
        R r{};
        for (const auto& c : table)
            if (c.rapport)
                r.*c.rapport = champ_du_rapport(controle(c));
        return r;
    }

    QLabel* creer_legende(const Legende& legende);
    // A result: red, bold Arial Narrow, empty until there is a result.
    QLabel* creer_resultat(const char* nom, Place place, double points);
    QGroupBox* creer_cadre(const char* nom, Place place, const QString& titre);
    // Named, placed, described and put in the Tab order, its caption tied to it.
    void decrire(QWidget* w, const Description& d, QLabel* legende = nullptr);

private:
    QWidget* creer(const Description& d, ChampNombre*& champ);
    QWidget* creer(const Description& d, QComboBox*& liste_de_taux);  // 1 to 25 by 0,25, none chosen
    QWidget* creer(const Description& d, QPushButton*& bouton);

    template <class P, class S, class R>
    const QWidget* controle(const Controle<P, S, R>& c) const
    {
        return std::visit([&](auto m) -> const QWidget* { return static_cast<const P&>(*this).*m; }, c.membre);
    }
    static std::string texte_de(const QWidget* boite);
    rapport::Champ champ_du_rapport(const QWidget* boite) const;

    std::vector<std::pair<int, QWidget*>> tabulation_;
    QHash<const QWidget*, const QLabel*> legendes_;
};

QRect en_pixels(Place place);
