#pragma once

#include "credit/echeancier.h"
#include "echeancier/champs_couverture.h"
#include "echeancier/champs_pret.h"

#include <QWidget>

#include <optional>

class ChampsFinancement;
class EditeurEvenements;
class LecteurDeFormulaire;
class QLineEdit;

// One loan of an offer: its name and terms, each borrower's cover, the date
// of its first instalment, its deferral, steps or PTZ, and its events, as typed.
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
    QLineEdit *nom_, *premiere_echeance_;
    ChampsFinancement* financement_;
    EditeurEvenements* evenements_;
};
