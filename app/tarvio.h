#pragma once

#include "imprimante.h"
#include "offre.h"
#include "rapport.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <optional>

class Dialog;
class FenetreEcheancier;
class GrilleHypotheses;
class PanneauChoix;
class PanneauHypotheses;
class PanneauMensualites;
class PanneauTaux;
class QLabel;

// The main window: three loan calculators, the choices they share, the grid
// of the hypothesis table, and the menus.
class tarvio : public QMainWindow {
public:
    tarvio();
    ~tarvio() override;

    const QString& flag_erreur() const;
    std::int16_t choix_formule() const;
    // What the print command reads from the window.
    rapport::Fenetre contenu_du_rapport() const;

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    void creer_images(QWidget* fond);
    void creer_menus();
    void ordonner_tabulation();
    void nommer_pour_les_lecteurs_d_ecran();

    TableauImprime tableau_imprime() const;
    // The report's operations, or none after the message saying why.
    std::optional<std::vector<rapport::Operation>> rapport_a_imprimer();
    void imprimer_rapport();
    void apercu_rapport();
    void montrer_a_propos();
    void ouvrir_echeancier();

    QLabel* bande_ = nullptr;
    QLabel* embleme_ = nullptr;  // never shown itself: the grid's corner shows it
    GrilleHypotheses* grille_ = nullptr;
    PanneauChoix* choix_ = nullptr;
    PanneauHypotheses* hypotheses_ = nullptr;
    PanneauMensualites* mensualites_ = nullptr;
    PanneauTaux* taux_ = nullptr;
    QPointer<Dialog> apropos_;
    QPointer<FenetreEcheancier> echeancier_;
    std::optional<calc::Depart> depart_;  // the last loan computed, for the schedule to start from
};
