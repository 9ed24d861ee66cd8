#pragma once

#include "credit/dossier.h"

#include <QWidget>

class ModeleEcheancier;
class QLabel;
class QTabWidget;

// The schedule of each loan of one offer, a tab a loan, shown again whenever
// the offer changes.
class EcheancierOffre : public QWidget {
public:
    // A window of its own, closed and deleted with `parent`.
    explicit EcheancierOffre(QWidget* parent);

    void montrer(const credit::OffreBancaire& offre);

private:
    ModeleEcheancier* modele(int onglet) const;

    QTabWidget* prets_;
    QLabel* avertissements_;
};
