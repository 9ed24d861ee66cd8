#pragma once

#include "credit/dossier.h"

#include <QWidget>

class EditeurPret;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

// The offer chosen in the comparison, every field of it but its name: its
// loans, a tab each, its fees, its early-repayment clause, what the bank
// states. What is typed wrong is named in red and changes nothing.
class EditeurOffre : public QWidget {
    Q_OBJECT

public:
    explicit EditeurOffre(QWidget* parent = nullptr);

    void montrer(const credit::OffreBancaire& offre);
    const credit::OffreBancaire& offre() const { return offre_; }

signals:
    // Every field right: the offer as typed.
    void modifiee(const credit::OffreBancaire& offre);

private:
    QWidget* creer_offre();
    QWidget* creer_prets();
    EditeurPret* ajouter_onglet();
    void lire();

    credit::OffreBancaire offre_;
    QComboBox *credit_, *indemnites_;
    QLineEdit *dossier_, *courtage_, *garantie_, *restituee_, *taux_indemnites_, *taeg_, *echeance_;
    QCheckBox *lissage_, *lissage_assurance_;
    QTabWidget* prets_;
    QLabel* erreurs_;
};
