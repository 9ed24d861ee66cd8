#include "comparaison/recents.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const char* const cle = "dossiers_recents";
constexpr int nombre_retenu = 5;

QSettings reglages()
{
    return QSettings("tarvio", "tarvio");
}

}  // namespace

QStringList dossiers_recents()
{
    return reglages().value(cle).toStringList();
}

void retenir_dossier(const QString& chemin)
{
    QString absolu = QFileInfo(chemin).absoluteFilePath();
    QStringList liste = dossiers_recents();
    liste.removeAll(absolu);
    liste.prepend(absolu);
    reglages().setValue(cle, liste.mid(0, nombre_retenu));
}
