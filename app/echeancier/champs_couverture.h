#pragma once

#include "credit/pret.h"

#include <QString>

#include <optional>

class LecteurDeFormulaire;
class QComboBox;
class QFormLayout;
class QLineEdit;

// One borrower's cover as typed: a rate of a base for a share of it, or
// euros a month.
struct ChampsCouverture {
    QLineEdit *taux, *quotite, *mensualite;
    QComboBox* base;
};

// Fields named `prefixe`_taux, _base, _quotite, _mensualite, captioned for `qui`.
ChampsCouverture creer_couverture(QFormLayout* formulaire, const QString& prefixe, const QString& qui);
// Empty fields for none.
void montrer(const ChampsCouverture& champs, const credit::Assurance* assurance);
// None when empty or wrong; `valable` turns false when wrong, `lecteur` keeping why.
std::optional<credit::Assurance> lire(const ChampsCouverture& champs, LecteurDeFormulaire& lecteur, bool& valable);
