#pragma once

// calc/, credit/ and report/ speak UTF-8 std::string; the windows QString.

#include "calc/nombres.h"

#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include <string>

inline QString q(const std::string& texte)
{
    return QString::fromStdString(texte);
}

// What a box shows.
inline std::string texte(const QLineEdit* champ)
{
    return champ->text().toStdString();
}
inline std::string texte(const QComboBox* liste)
{
    return liste->currentText().toStdString();
}

// The number a box holds, 0 when it holds none.
inline double valeur(const QLineEdit* champ)
{
    return calc::virg(texte(champ)).value_or(0);
}
