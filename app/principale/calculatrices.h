#pragma once

#include "calc/calculateurs.h"
#include "principale/panneau.h"

class PanneauChoix;

// A small calculator: three boxes, a button, a result in red.
class Calculatrice : public Panneau {
public:
    Calculatrice(QWidget* parent, const char* nom, Place place, const QString& titre, PanneauChoix& choix);

protected:
    // Messages first, in order; then the boxes back to their start-up texts
    // and the formula back to simple interest where asked; the result; the
    // loan found, to whoever follows the panel.
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

    static const Controle<PanneauMensualites, calc::SaisieMensualites, rapport::Mensualites> controles_[];

    ChampNombre* montant_ = nullptr;
    ChampNombre* taux_ = nullptr;
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

    static const Controle<PanneauTaux, calc::SaisieTaux, rapport::Taux> controles_[];

    ChampNombre* montant_ = nullptr;
    ChampNombre* echeance_ = nullptr;
    ChampNombre* nombre_ = nullptr;
    QPushButton* calculer_ = nullptr;
};
