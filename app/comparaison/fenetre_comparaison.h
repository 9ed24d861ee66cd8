#pragma once

#include "credit/dossier.h"

#include <QMainWindow>
#include <QPointer>

class Courbes;
class EcheancierOffre;
class EditeurOffre;
class ModeleComparaison;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QSpinBox;

// A dossier's offers compared side by side, kept in a file: the figures of
// each offer at the dossier's horizon, the lowest marked, where the costs
// cross. Nothing typed is lost without a question.
class FenetreComparaison : public QMainWindow {
public:
    // A window of its own, closed and deleted with `parent`.
    explicit FenetreComparaison(QWidget* parent);

    // Replaces the dossier by the file's, asking first about unsaved changes;
    // false after saying why it did not.
    bool ouvrir(const QString& chemin);
    // A new offer at the end of the dossier.
    void ajouter(const credit::OffreBancaire& offre);

    const credit::Dossier& dossier() const { return dossier_; }

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    void creer_menus();
    void lister_recents(QMenu* menu);
    QWidget* creer_offres();
    QWidget* creer_centre();
    QLayout* creer_situation();

    void changer(credit::Dossier dossier);  // what the user did: the dossier is modified
    void afficher();
    void nouveau();
    void choisir_et_ouvrir();
    bool enregistrer();
    bool enregistrer_sous();
    bool ecrire(const QString& chemin);
    // True when nothing would be lost, after asking where there would.
    bool peut_abandonner();

    void lire_situation();
    void exporter();
    void imprimer_comparaison();
    void apercu_comparaison();

    void renommer();
    void dupliquer();
    void deplacer(int pas);
    void supprimer();
    int offre_choisie() const;
    // The chosen offer in the editor, unless it shows it already: typing goes on undisturbed.
    void montrer_l_offre_choisie();
    void tracer_courbes();
    void ouvrir_echeancier();
    void montrer_echeancier();
    void racheter();

    credit::Dossier dossier_;
    QString chemin_;  // none before it is first saved
    ModeleComparaison* modele_;
    QSpinBox* horizon_;
    QLineEdit *revenu_, *charges_, *usure_;
    QLabel* croisements_;
    Courbes* courbes_;
    QListWidget* offres_;
    EditeurOffre* editeur_;
    QPointer<EcheancierOffre> echeancier_;  // the chosen offer's, while open
};
