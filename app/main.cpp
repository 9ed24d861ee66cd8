#include "commun/application.h"
#include "principale/fenetre_principale.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    preparer_application(application);
    FenetrePrincipale fenetre;
    fenetre.show();
    return application.exec();
}
