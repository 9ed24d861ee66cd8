#pragma once

#include "calc/depart.h"
#include "credit/bilan.h"

#include <QHash>

#include <QWidget>
#include <functional>

#include <optional>

class FormulaireOffre;
class Graphique;
class ModeleEcheancier;
class QLabel;
class QPushButton;

// The repayment schedule of one offer, recomputed as the user types: its
// lines, totals, TAEG and TAEA, the HCSF rules and the usury threshold, a
// chart by year; exported as CSV or printed.
class FenetreEcheancier : public QWidget {
public:
    // A window of its own, closed and deleted with `parent`; closed, it keeps what was typed.
    explicit FenetreEcheancier(QWidget* parent);

    void partir_de(const calc::Depart& depart);

    // Told of the offer to add to the comparison.
    std::function<void(const credit::OffreBancaire&)> ajouter_a_la_comparaison = [](const credit::OffreBancaire&) {};

private:
    QWidget* creer_resultats();
    QWidget* creer_totaux();
    QWidget* creer_totaux_avec_evenements();
    QWidget* creer_onglets();
    QLayout* creer_boutons();

    void recalculer();
    void afficher(const credit::Offre& offre);
    void effacer(const QString& pourquoi, const QColor& couleur);
    void montrer_les_lignes();
    void tracer_graphique();
    void dire(const QString& texte, const QColor& couleur);
    void exporter();
    void imprimer_echeancier();
    void apercu_echeancier();

    FormulaireOffre* formulaire_;
    QLabel* etat_;
    QHash<QString, QLabel*> totaux_;  // by the names of credit::totaux and totaux_avec_evenements
    QWidget* avec_evenements_;
    QLabel* rentabilites_;  // of each rate change and insurance switch
    QLabel* alertes_;
    ModeleEcheancier* modele_;
    Graphique* graphique_;
    QPushButton *comparer_, *exporter_, *apercu_, *imprimer_;
    QString note_;  // from where the schedule started, while its figures are kept
    std::optional<credit::Offre> offre_;
    credit::Bilan bilan_;
};
