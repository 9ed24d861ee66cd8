#pragma once

#include "bilan.h"

#include <QWidget>

#include <optional>

class Graphique;
class ModeleEcheancier;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The repayment schedule of one offer, recomputed as the user types: its
// lines, totals, TAEG and TAEA, the HCSF rules and the usury threshold, a
// chart by year; exported as CSV or printed.
class FenetreEcheancier : public QWidget {
public:
    // A window of its own, closed and deleted with `parent`.
    explicit FenetreEcheancier(QWidget* parent);

    void partir_de(const calc::Depart& depart);

private:
    QWidget* creer_pret();
    QWidget* creer_assurance_et_frais();
    QWidget* creer_situation();
    QWidget* creer_resultats();

    calc::SaisieOffre saisie() const;
    void recalculer();
    void afficher(const calc::Offre& offre);
    void effacer(const QString& erreurs);
    void tracer_graphique();
    void dire(const QString& texte, const QColor& couleur);
    void exporter();
    void imprimer_echeancier();

    QLineEdit *montant_, *taux_, *nombre_, *taux_assurance_;
    QLineEdit *frais_dossier_, *frais_garantie_, *frais_courtage_, *revenu_, *taux_usure_;
    QComboBox *periodicite_, *amortissement_, *moment_, *base_assurance_;
    QLabel* etat_;
    QList<QLabel*> totaux_;
    QLabel* alertes_;
    ModeleEcheancier* modele_;
    Graphique* graphique_;
    QPushButton *exporter_, *imprimer_;
    QString note_;  // from where the schedule started, while its figures are kept
    std::optional<calc::Offre> offre_;
    calc::Bilan bilan_;
};
