#include "echeancier/graphique.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

using Fabrique = Graphique* (*)(QWidget*);

// TARVIO_MODULES first, for the tests; then beside the program, as built;
// then where the program is installed.
QStringList dossiers_de_modules()
{
    QDir programme(QCoreApplication::applicationDirPath());
    QStringList dossiers = {programme.path(), programme.filePath(TARVIO_MODULES_INSTALLES)};
    if (QString choisi = qEnvironmentVariable("TARVIO_MODULES"); !choisi.isEmpty())
        dossiers.prepend(choisi);
    return dossiers;
}

Fabrique charger()
{
    for (const QString& dossier : dossiers_de_modules()) {
        QLibrary module(QDir(dossier).filePath("tarvio_graphique"));
        if (auto fabrique = reinterpret_cast<Fabrique>(module.resolve("tarvio_creer_graphique")))
            return fabrique;  // the module stays loaded for the program's life
    }
    return nullptr;
}

}  // namespace

Graphique* creer_graphique(QWidget* parent)
{
    static const Fabrique fabrique = charger();
    return fabrique ? fabrique(parent) : nullptr;
}
