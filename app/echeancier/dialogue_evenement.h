#pragma once

#include "credit/pret.h"
#include "echeancier/champs_couverture.h"

#include <QDialog>

#include <optional>

class LecteurDeFormulaire;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

// One event of a loan typed or changed: its kind, when it happens (after an
// instalment, or on a date for a dated loan), and what the kind asks. Only
// the fields of the chosen kind show; a wrong field keeps the dialog open.
class DialogueEvenement : public QDialog {
public:
    DialogueEvenement(QWidget* parent, const credit::Evenement& evenement);

    const credit::Evenement& evenement() const { return evenement_; }

    void accept() override;

private:
    void montrer(const credit::Evenement& ev);
    void montrer_les_champs_du_type();
    std::optional<credit::Evenement> lire(QStringList& erreurs) const;
    void lire_moment(LecteurDeFormulaire& lecteur, credit::Evenement& ev) const;

    credit::Evenement evenement_;
    QFormLayout* formulaire_;
    QComboBox *type_, *reduire_;
    QLineEdit *apres_, *date_, *montant_, *pourcentage_, *taux_, *frais_;
    QCheckBox* exoneration_;
    ChampsCouverture couvertures_[2];
    QLabel* erreurs_;
};
