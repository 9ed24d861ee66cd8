#pragma once

// Controls built from a panel's table. Each row names the panel member it
// fills, the object name that tests and accessibility tools know it by, its
// place in twips within the panel, its caption or start-up text and its tool
// tip.

#include "offre.h"
#include "rapport.h"

#include <QGroupBox>

#include <cstddef>
#include <functional>
#include <variant>

class ChampNombre;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

struct Place {
    int gauche, haut, largeur = 0, hauteur = 0;  // twips; a label sizes itself
};

struct Description {
    const char* nom;
    Place place;
    const char* texte;
    const char* bulle = "";
};

void creer(QWidget* cadre, const Description& d, QLabel*& etiquette);
void creer(QWidget* cadre, const Description& d, ChampNombre*& champ);
void creer(QWidget* cadre, const Description& d, QComboBox*& liste_de_taux);  // 1 to 25 by 0,25, none chosen
void creer(QWidget* cadre, const Description& d, QPushButton*& bouton);

template <class P>
struct Controle {
    std::variant<QLabel * P::*, ChampNombre * P::*, QComboBox * P::*, QPushButton * P::*> membre;
    Description description;
};

// Each caption labels the box it runs into, for screen readers; its leader
// dots may run under the box, but never show past it.
void lier_legendes(QWidget* cadre);

// In table order, which is also the order they are drawn in.
template <class P, std::size_t N>
void construire(P& panneau, const Controle<P> (&table)[N])
{
    for (const Controle<P>& c : table)
        std::visit([&](auto membre) { creer(&panneau, c.description, panneau.*membre); }, c.membre);
    lier_legendes(&panneau);
}

// A push button that Enter clicks, as Space does, when it has the focus.
QPushButton* creer_bouton(const QString& texte, QWidget* parent = nullptr);

// A result: red, bold Arial Narrow, empty until there is a result.
QLabel* creer_resultat(QWidget* cadre, const char* nom, Place place, double points);

QGroupBox* creer_cadre(QWidget* parent, const char* nom, Place place, const QString& titre);

// A frame of the window that owns the controls inside it.
class Panneau : public QGroupBox {
public:
    Panneau(QWidget* parent, const char* nom, Place place, const QString& titre);

    // Told of each loan the panel computes.
    std::function<void(const calc::Depart&)> quand_calcule = [](const calc::Depart&) {};
};

// What a box shows, for calc/ and the report, which speak UTF-8.
std::string texte(const QLineEdit* champ);
std::string texte(const QComboBox* liste);
double valeur(const QLineEdit* champ);  // 0 when the box holds no number
rapport::Champ champ_du_rapport(const QLabel* legende, const std::string& valeur);
