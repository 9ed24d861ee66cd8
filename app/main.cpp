#include "commun/application.h"
#include "principale/fenetre_principale.h"

#include <QApplication>

// "tarvio FICHIER" opens the dossier beside the main window.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    preparer_application(application);
    FenetrePrincipale fenetre;
    fenetre.show();
    if (QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        fenetre.ouvrir_dossier(arguments.at(1));
    return application.exec();
}
