#pragma once

#include "calc/tableau.h"
#include "principale/panneau.h"

class GrilleHypotheses;
class PanneauChoix;
class QModelIndex;

// The hypothesis table: an amount, a range of periods and a range of rates
// give the repayment of every pair in the grid; a click on a cell tells the
// total it repays.
class PanneauHypotheses : public Panneau {
public:
    PanneauHypotheses(QWidget* parent, const PanneauChoix& choix, GrilleHypotheses& grille);

    // "0" while no check of the last calculation failed, else the code of the last failure.
    const QString& flag_erreur() const { return flag_erreur_; }
    rapport::Hypotheses pour_rapport() const;

protected:
    // The right mouse button is refused anywhere on the grid.
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    calc::SaisieHypotheses saisie() const;
    void calculer_tableau();
    void afficher_total(const QModelIndex& cellule);

    static const Controle<PanneauHypotheses, calc::SaisieHypotheses, rapport::Hypotheses> controles_[];

    const PanneauChoix& choix_;
    GrilleHypotheses& grille_;
    calc::Grille tableau_;  // the table the grid shows: its inputs as read, its size and headings
    QString flag_erreur_ = "0";

    ChampNombre* montant_ = nullptr;
    ChampNombre* duree_mini_ = nullptr;
    ChampNombre* duree_maxi_ = nullptr;
    QComboBox* taux_mini_ = nullptr;
    QComboBox* taux_maxi_ = nullptr;
    QPushButton* calculer_ = nullptr;
};
