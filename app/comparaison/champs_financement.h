#pragma once

#include "credit/pret.h"

#include <QWidget>

class LecteurDeFormulaire;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QTableWidget;

// What makes a loan part of a financing: its deferral, its steps (a row
// each: lines, rate, instalment), and when it is a PTZ what its rules are
// applied to, filling the loan's terms in one click.
class ChampsFinancement : public QWidget {
    Q_OBJECT

public:
    explicit ChampsFinancement(QWidget* parent = nullptr);

    void montrer(const credit::Pret& pret);
    // Sets the deferral, steps and PTZ of `pret`; false after `lecteur` has kept why.
    bool lire(LecteurDeFormulaire& lecteur, credit::Pret& pret) const;

signals:
    void modifie();
    // The loan's terms as the PTZ's rules propose them, for its fields.
    void ptz_applique(const credit::Pret& pret);

private:
    QWidget* creer_ptz();
    std::optional<credit::Ptz> lire_ptz(LecteurDeFormulaire& lecteur) const;

    QLineEdit* differe_;
    QComboBox* sorte_differe_;
    QTableWidget* paliers_;
    QCheckBox* ptz_;
    QLineEdit *cout_, *plafond_;
    QComboBox *tranche_, *logement_;
};
