// Starts a window, waits until it is on screen, quits: the start-up cost that
// a user waits for. Built twice: with the program's window, and with a bare
// Qt window holding an empty table, the yardstick.
#include <QApplication>
#include <QWindow>

#ifdef FENETRE_TARVIO
#include "commun/application.h"
#include "principale/fenetre_principale.h"
#else
#include <QMainWindow>
#include <QStandardItemModel>
#include <QTableView>
#endif

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
#ifdef FENETRE_TARVIO
    preparer_application(application);
    FenetrePrincipale fenetre;
#else
    QMainWindow fenetre;
    auto* table = new QTableView;
    table->setModel(new QStandardItemModel(24, 14, table));
    fenetre.setCentralWidget(table);
    fenetre.setFixedSize(547, 433);
#endif
    fenetre.show();
    // The pass of the event loop that delivers the expose event also paints
    // the window. (QTest's wait would sleep 10 ms after every pass.)
    while (!fenetre.windowHandle()->isExposed())
        application.processEvents(QEventLoop::WaitForMoreEvents);
    return 0;
}
