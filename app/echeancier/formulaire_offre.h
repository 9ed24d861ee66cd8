#pragma once

#include "calc/depart.h"
#include "credit/offre.h"
#include "echeancier/champs_pret.h"

#include <QWidget>

class EditeurEvenements;
class QComboBox;
class QLineEdit;

// The fields of one offer, in groups: the loan, its insurance and fees, its
// events, the borrower's situation. Each list item carries its value.
class FormulaireOffre : public QWidget {
    Q_OBJECT

public:
    explicit FormulaireOffre(QWidget* parent = nullptr);

    credit::SaisieOffre saisie() const;
    // The loan's amount, rate, count, periods and timing; the rest as it was.
    void partir_de(const calc::Depart& depart);

signals:
    // Any field typed in or any list changed.
    void modifie();

private:
    QWidget* creer_pret();
    QWidget* creer_assurance_et_frais();
    QWidget* creer_situation();
    QWidget* creer_evenements();

    ChampsPret pret_;
    QLineEdit* taux_assurance_;
    QLineEdit *frais_dossier_, *frais_garantie_, *frais_courtage_, *revenu_, *taux_usure_;
    QComboBox* base_assurance_;
    QLineEdit* premiere_echeance_;
    EditeurEvenements* evenements_;
};
