#pragma once

class QComboBox;
class QFormLayout;
class QLineEdit;

// A loan's terms as the schedule window and the comparison both ask for
// them, each field named for tests and screen readers, each list item
// carrying its value.
struct ChampsPret {
    QLineEdit *montant, *taux, *nombre;
    QLineEdit* duree;  // in years: typing it fills the count, and the other way
    QComboBox *periodicite, *amortissement, *moment;
};

ChampsPret creer_champs_pret(QFormLayout* formulaire);
