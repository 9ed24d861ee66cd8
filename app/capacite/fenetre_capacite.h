#pragma once

#include "credit/capacite.h"
#include "credit/dossier.h"

#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// How much the household can borrow, answered as it types: the largest
// amount that keeps the debt ratio, its instalment and what is left to live
// on each month; the other way, the duration an amount needs. Its loan
// becomes an offer of the dossier in one click.
class FenetreCapacite : public QWidget {
public:
    // A window of its own, closed and deleted with `parent`.
    explicit FenetreCapacite(QWidget* parent);

    // Told of the offer to add to the comparison.
    std::function<void(const credit::OffreBancaire&)> ajouter_a_la_comparaison = [](const credit::OffreBancaire&) {};

private:
    void recalculer();
    std::optional<credit::DemandeCapacite> lire(QStringList& erreurs) const;

    QLineEdit *revenu_, *charges_, *endettement_, *taux_, *duree_, *assurance_, *montant_;
    QLabel *resultat_, *erreurs_;
    QPushButton* ajouter_;
    std::optional<credit::Pret> pret_;  // the largest loan, while there is one
};
