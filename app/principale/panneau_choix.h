#pragma once

#include "calc/choix.h"
#include "principale/panneau.h"

class QButtonGroup;
class QRadioButton;

// The choices the three calculators share: durations in months or years, and
// the interest formula.
class PanneauChoix : public Panneau {
    Q_OBJECT

public:
    explicit PanneauChoix(QWidget* parent);

    bool en_annees() const;
    calc::Formule formule() const;
    void revenir_aux_interets_simples();

signals:
    void unite_changee(bool en_annees);

private:
    // An option button and the value it stands for in its group.
    template <class V>
    struct Option {
        QRadioButton* PanneauChoix::*bouton;
        Description description;
        QColor fond;
        V valeur;
    };
    template <class V, std::size_t N>
    QButtonGroup* creer_options(QGroupBox* cadre, const Option<V> (&options)[N]);

    QRadioButton* en_mois_ = nullptr;
    QRadioButton* en_annees_ = nullptr;
    QRadioButton* interets_simples_ = nullptr;
    QRadioButton* interets_composes_ = nullptr;
    QRadioButton* interets_constants_ = nullptr;
    QButtonGroup* unites_ = nullptr;
    QButtonGroup* formules_ = nullptr;
};
