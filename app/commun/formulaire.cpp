#include "commun/formulaire.h"

#include "calc/nombres.h"
#include "commun/apparence.h"
#include "commun/textes.h"

#include <cmath>

std::optional<double> LecteurDeFormulaire::nombre(const QLineEdit* champ, const char* unite, double mini, double maxi,
                                                  const QString& attendu, bool requis, bool entier)
{
    if (champ->text().trimmed().isEmpty()) {
        if (requis)
            erreurs << lieu_ + " : « " + champ->accessibleName() + " » est à remplir.";
        return std::nullopt;
    }
    auto x = calc::virg_unite(texte(champ), unite);
    if (x && *x >= mini && *x <= maxi && (!entier || *x == std::floor(*x)))
        return x;
    erreurs << lieu_ + " : « " + champ->accessibleName() + " » doit être " + attendu + ".";
    return std::nullopt;
}

QString texte_du_nombre(std::optional<double> x)
{
    return x ? q(calc::texte_general(*x)) : QString();
}

void montrer_rangee(QFormLayout* formulaire, QWidget* champ, bool visible)
{
    for (int r = 0; r < formulaire->rowCount(); ++r)
        if (QLayoutItem* item = formulaire->itemAt(r, QFormLayout::FieldRole);
            item && item->layout() && item->layout()->indexOf(champ) >= 0)
            formulaire->setRowVisible(r, visible);
}

QLabel* etiquette_en_rouge(const char* nom)
{
    auto* etiquette = new QLabel;
    etiquette->setObjectName(nom);
    etiquette->setWordWrap(true);
    colorer(etiquette, {QPalette::WindowText}, couleurs::rouge);
    return etiquette;
}

QLabel* etiquette_de_resultat(const char* nom)
{
    auto* etiquette = new QLabel;
    etiquette->setObjectName(nom);
    etiquette->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return etiquette;
}
