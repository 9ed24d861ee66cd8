#include "champ_nombre.h"

#include "apparence.h"
#include "filtre_touches.h"

ChampNombre::ChampNombre(QWidget* parent, const QString& texte_de_depart)
    : QLineEdit(texte_de_depart, parent), depart_(texte_de_depart)
{
    colorer(this, {QPalette::Base}, couleurs::cyan_clair);
    (new FiltreTouches(this))->surveiller(this);
}
