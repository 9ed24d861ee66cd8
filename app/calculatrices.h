#pragma once

#include "calculateurs.h"
#include "controles.h"
#include "rapport.h"

class ChampNombre;
class PanneauChoix;
class QLabel;
class QPushButton;

// A small calculator: three boxes, a button, a result in red.
class Calculatrice : public Panneau {
public:
    Calculatrice(QWidget* parent, const char* nom, Place place, const QString& titre, PanneauChoix& choix);

protected:
    // Messages first, in order; then the boxes back to their start-up texts
    // and the formula back to simple interest where asked; the result last.
    void appliquer(const calc::Resultat& resultat);

    PanneauChoix& choix_;
    QLabel* resultat_ = nullptr;
};

// How many instalments repay an amount at a rate.
class PanneauMensualites : public Calculatrice {
public:
    PanneauMensualites(QWidget* parent, PanneauChoix& choix);
    rapport::Mensualites pour_rapport() const;

private:
    void calculer();

    QLabel* legende_montant_ = nullptr;
    ChampNombre* montant_ = nullptr;
    QLabel* legende_taux_ = nullptr;
    ChampNombre* taux_ = nullptr;
    QLabel* pour_cent_ = nullptr;
    QLabel* legende_echeance_ = nullptr;
    ChampNombre* echeance_ = nullptr;
    QPushButton* calculer_ = nullptr;
};

// The annual rate an amount, an instalment and a count carry.
class PanneauTaux : public Calculatrice {
public:
    PanneauTaux(QWidget* parent, PanneauChoix& choix);
    rapport::Taux pour_rapport() const;

private:
    void calculer();
    // The rate is computed in months only: the frame says so in years.
    void suivre_unite(bool en_annees);

    QLabel* legende_montant_ = nullptr;
    ChampNombre* montant_ = nullptr;
    QLabel* legende_echeance_ = nullptr;
    ChampNombre* echeance_ = nullptr;
    QLabel* legende_nombre_ = nullptr;
    ChampNombre* nombre_ = nullptr;
    QPushButton* calculer_ = nullptr;
};
