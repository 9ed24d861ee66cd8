#pragma once

#include "credit/echeancier.h"
#include "echeancier/champs_pret.h"

#include <QWidget>

#include <optional>

class LecteurDeFormulaire;
class QComboBox;
class QFormLayout;
class QLineEdit;

// One loan of an offer: its terms and each borrower's cover, as typed.
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
    // One borrower's cover: a rate of a base for a share of it, or euros a month.
    struct Couverture {
        QLineEdit *taux, *quotite, *mensualite;
        QComboBox* base;
    };
    Couverture creer_couverture(QFormLayout* f, int emprunteur);
    void montrer(const Couverture& c, const credit::Assurance* a);
    std::optional<credit::Assurance> lire(const Couverture& c, LecteurDeFormulaire& lecteur, bool& valable) const;

    ChampsPret pret_;
    Couverture couvertures_[2];
};
