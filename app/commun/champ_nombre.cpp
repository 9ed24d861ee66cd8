#include "commun/champ_nombre.h"

#include "commun/apparence.h"

#include <QTimer>

ChampNombre::ChampNombre(QWidget* parent, const QString& texte_de_depart)
    : QLineEdit(texte_de_depart, parent), depart_(texte_de_depart)
{
    colorer(this, {QPalette::Base}, couleurs::cyan_clair);
}

// After the mouse press that gave the focus, which would place the cursor.
void ChampNombre::focusInEvent(QFocusEvent* evenement)
{
    QLineEdit::focusInEvent(evenement);
    if (au_depart())
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
}
