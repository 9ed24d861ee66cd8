#include "application.h"
#include "tarvio.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    preparer_application(application);
    tarvio fenetre;
    fenetre.show();
    return application.exec();
}
