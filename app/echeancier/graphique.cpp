#include "echeancier/graphique.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

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

// A factory of the module, which stays loaded for the program's life.
template <class W>
auto charger(const char* symbole)
{
    using Fabrique = W* (*)(QWidget*);
    for (const QString& dossier : dossiers_de_modules()) {
        QLibrary module(QDir(dossier).filePath("tarvio_graphique"));
        if (auto fabrique = reinterpret_cast<Fabrique>(module.resolve(symbole)))
            return fabrique;
    }
    return Fabrique{};
}

}  // namespace

Graphique* creer_graphique(QWidget* parent)
{
    static const auto fabrique = charger<Graphique>("tarvio_creer_graphique");
    return fabrique ? fabrique(parent) : nullptr;
}

Courbes* creer_courbes(QWidget* parent)
{
    static const auto fabrique = charger<Courbes>("tarvio_creer_courbes");
    return fabrique ? fabrique(parent) : nullptr;
}
