#pragma once

#include "credit/echeancier.h"
#include "echeancier/champs_couverture.h"
#include "echeancier/champs_pret.h"

#include <QWidget>

#include <optional>

class EditeurEvenements;
class LecteurDeFormulaire;
class QLineEdit;

// One loan of an offer: its terms, each borrower's cover, the date of its
// first instalment and its events, as typed.
class EditeurPret : public QWidget {
    Q_OBJECT

public:
    explicit EditeurPret(QWidget* parent = nullptr);

    void montrer(const credit::Pret& pret);
    // The loan typed, or none after `lecteur` has kept why.
    std::optional<credit::Pret> lire(LecteurDeFormulaire& lecteur) const;

signals:
    void modifie();

private:
    ChampsPret pret_;
    ChampsCouverture couvertures_[2];
    QLineEdit* premiere_echeance_;
    EditeurEvenements* evenements_;
};
