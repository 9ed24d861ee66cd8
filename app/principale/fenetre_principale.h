#pragma once

#include "calc/depart.h"
#include "impression/imprimante.h"
#include "report/rapport.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <optional>

class FenetreAPropos;
class FenetreCapacite;
class FenetreComparaison;
class FenetreEcheancier;
class GrilleHypotheses;
class PanneauChoix;
class PanneauHypotheses;
class PanneauMensualites;
class PanneauTaux;
class QLabel;

// The main window: three loan calculators, the choices they share, the grid
// of the hypothesis table, and the menus.
class FenetrePrincipale : public QMainWindow {
public:
    FenetrePrincipale();
    ~FenetrePrincipale() override;

    const QString& flag_erreur() const;
    // The dossier in the comparison window; false after saying why it could not be opened.
    bool ouvrir_dossier(const QString& chemin);
    // The index of the formula's option: 0 simple, 1 compound, 2 constant instalments.
    std::int16_t choix_formule() const;
    // What the print command reads from the window.
    rapport::Fenetre contenu_du_rapport() const;

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    void creer_images(QWidget* fond);
    void creer_menus();
    void creer_grille(QWidget* fond);
    void ordonner_tabulation();

    TableauImprime tableau_imprime() const;
    // The report's operations, or none after the message saying why.
    std::optional<std::vector<rapport::Operation>> rapport_a_imprimer();
    void imprimer_rapport();
    void apercu_rapport();
    void montrer_a_propos();
    void ouvrir_echeancier();
    FenetreComparaison* ouvrir_comparaison();
    void ouvrir_capacite();

    QLabel* bande_ = nullptr;
    QLabel* embleme_ = nullptr;  // never shown itself: the grid's corner shows it
    GrilleHypotheses* grille_ = nullptr;
    PanneauChoix* choix_ = nullptr;
    PanneauHypotheses* hypotheses_ = nullptr;
    PanneauMensualites* mensualites_ = nullptr;
    PanneauTaux* taux_ = nullptr;
    QPointer<FenetreAPropos> apropos_;
    QPointer<FenetreEcheancier> echeancier_;
    QPointer<FenetreComparaison> comparaison_;
    QPointer<FenetreCapacite> capacite_;
    std::optional<calc::Depart> depart_;  // the last loan computed, for the schedule to start from
    bool depart_nouveau_ = false;         // computed since the schedule last started from one
};
