#pragma once

// Forms of fields: each row a field named for tests and screen readers, its
// caption labelling it, its unit after it; lists whose items carry their
// values; numbers read back, or refused in French.

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <utility>

template <typename W>
W* rangee(QFormLayout* formulaire, W* w, const char* nom, const QString& legende, const char* unite = nullptr)
{
    w->setObjectName(nom);
    w->setAccessibleName(legende);
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(w);
    if (unite)
        ligne->addWidget(new QLabel(unite));
    formulaire->addRow(legende + " :", ligne);
    if (auto* etiquette = qobject_cast<QLabel*>(formulaire->labelForField(ligne)))
        etiquette->setBuddy(w);
    return w;
}

inline QLineEdit* champ(QFormLayout* formulaire, const char* nom, const QString& legende, const char* unite)
{
    return rangee(formulaire, new QLineEdit, nom, legende, unite);
}

// Where a form names what is wrong: red, wrapping, named `nom`.
QLabel* etiquette_en_rouge(const char* nom);
// Where a form answers: its text selectable and copied as typed, named `nom`.
QLabel* etiquette_de_resultat(const char* nom);

// Shows or hides the whole row of a field made by rangee: its caption, the field, its unit.
void montrer_rangee(QFormLayout* formulaire, QWidget* champ, bool visible);

template <typename T>
QComboBox* liste(QFormLayout* formulaire, const char* nom, const QString& legende,
                 std::initializer_list<std::pair<const char*, T>> choix)
{
    QComboBox* l = rangee(formulaire, new QComboBox, nom, legende);
    for (auto [texte, valeur] : choix)
        l->addItem(texte, QVariant::fromValue(valeur));
    return l;
}

template <typename T>
T valeur_choisie(const QComboBox* liste)
{
    return liste->currentData().value<T>();
}

template <typename T>
void choisir(QComboBox* liste, T valeur)
{
    liste->setCurrentIndex(std::max(0, liste->findData(QVariant::fromValue(valeur))));
}

// Reads fields one after the other, keeping why each wrong one is refused.
class LecteurDeFormulaire {
public:
    explicit LecteurDeFormulaire(QString lieu) : lieu_(std::move(lieu)) {}

    // None when empty (refused where `requis`); refused outside [mini, maxi],
    // not whole where `entier`, or not a number, which `unite` may follow.
    std::optional<double> nombre(const QLineEdit* champ, const char* unite, double mini, double maxi,
                                 const QString& attendu, bool requis = false, bool entier = false);

    const QString& lieu() const { return lieu_; }

    QStringList erreurs;

private:
    QString lieu_;  // "Prêt 1"
};

// What a field shows of a number: empty for none.
QString texte_du_nombre(std::optional<double> x);
