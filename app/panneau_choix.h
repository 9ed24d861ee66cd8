#pragma once

#include "controles.h"

#include <cstdint>

class QRadioButton;

// The choices the three calculators share: durations in months or years, and
// the interest formula.
class PanneauChoix : public Panneau {
    Q_OBJECT
public:
    explicit PanneauChoix(QWidget* parent);

    bool en_annees() const;
    // 0 simple interest, 1 compound interest, 2 constant instalments.
    std::int16_t formule() const { return formule_; }
    void revenir_aux_interets_simples();
    QString nom_formule() const;  // the chosen button's caption

signals:
    void unite_changee(bool en_annees);

private:
    QRadioButton* en_mois_ = nullptr;
    QRadioButton* en_annees_ = nullptr;
    QRadioButton* interets_simples_ = nullptr;
    QRadioButton* interets_composes_ = nullptr;
    QRadioButton* interets_constants_ = nullptr;
    std::int16_t formule_ = 0;
};
