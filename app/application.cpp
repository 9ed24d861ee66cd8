#include "application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

void preparer_application(QApplication& application)
{
    // The colours of the window are palette colours; Fusion draws them on every desktop.
    application.setStyle(QStyleFactory::create("Fusion"));
    // A dialog font of the size the layout was drawn for.
    QFont police("Arial");
    police.setPointSizeF(8.25);
    application.setFont(police);
    application.setApplicationName("Tarvio");
    application.setApplicationVersion(TARVIO_VERSION);
    application.setWindowIcon(QIcon(":/images/icone.png"));
}
