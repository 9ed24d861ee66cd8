#pragma once

#include "credit/bilan.h"

#include <QWidget>

#include <vector>

// The schedule's chart: capital, interest and insurance paid each year,
// stacked, and the capital still owed. It lives in a module of its own,
// loaded the first time a chart is asked for, so that the chart library
// costs the program's start-up nothing.
class Graphique : public QWidget {
public:
    using QWidget::QWidget;
    virtual void afficher(const std::vector<credit::Annee>& annees) = 0;
};

// Nothing when the module cannot be found or loaded.
Graphique* creer_graphique(QWidget* parent);
