#pragma once

#include "credit/rachat.h"
#include "echeancier/champs_couverture.h"

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Another bank buys one of the offer's loans back: its terms typed, what
// keeping the loan and buying it back each cost to come, answered as they
// are typed; the new loan becomes an offer of the dossier in one click.
class DialogueRachat : public QDialog {
public:
    DialogueRachat(QWidget* parent, const credit::OffreBancaire& offre);

    // Told of the new offer to add to the dossier.
    std::function<void(const credit::OffreBancaire&)> ajouter = [](const credit::OffreBancaire&) {};

private:
    void recalculer();
    void ajouter_au_dossier();
    std::optional<credit::Rachat> lire(QStringList& erreurs) const;

    credit::OffreBancaire offre_;
    std::optional<credit::BilanRachat> bilan_;
    QComboBox* pret_;
    QLineEdit *apres_, *taux_, *nombre_, *frais_;
    ChampsCouverture couvertures_[2];
    QLabel *resultat_, *erreurs_;
    QPushButton* ajouter_;
};
