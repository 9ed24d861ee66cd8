#pragma once

#include "credit/bilan.h"

#include <QWidget>

#include <vector>

// The schedule's chart: capital, interest and insurance paid each year,
// stacked, and the capital still owed; with events, the contract's too. It lives in a module of its own,
// loaded the first time a chart is asked for, so that the chart library
// costs the program's start-up nothing.
class Graphique : public QWidget {
public:
    using QWidget::QWidget;
    // `contrat`: the years without the events, empty when there are none.
    virtual void afficher(const std::vector<credit::Annee>& annees, const std::vector<credit::Annee>& contrat) = 0;
};

// The comparison's chart: each offer's cost if repaid after 1, 2, ... years,
// a line an offer, so that where they cross shows. In the same module.
class Courbes : public QWidget {
public:
    using QWidget::QWidget;
    virtual void afficher(const std::vector<std::string>& noms, const std::vector<std::vector<double>>& couts) = 0;
    // Each line's name and its number of points, "Banque A : 25", as drawn.
    virtual QStringList lignes() const = 0;
};

// Nothing when the module cannot be found or loaded.
Graphique* creer_graphique(QWidget* parent);
Courbes* creer_courbes(QWidget* parent);
