#include "commun/application.h"

#include "commun/apparence.h"
#include "commun/images.h"
#include "commun/style.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

void preparer_application(QApplication& application)
{
    // The colours of the window are palette colours; Fusion draws them on every desktop.
    application.setStyle(creer_style());
    // A dialog font of the size the layout was drawn for.
    application.setFont(police("Arial", 8.25));
    // Qt's own buttons and dialogs speak French like the rest of the program.
    QLocale francais(QLocale::French, QLocale::France);
    QLocale::setDefault(francais);
    auto* traduction = new QTranslator(&application);
    if (traduction->load(francais, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(traduction);
    application.setApplicationName("Tarvio");
    application.setApplicationVersion(TARVIO_VERSION);
    // Wayland desktops find the window's menu entry and icon by this name.
    application.setDesktopFileName(TARVIO_IDENTIFIANT);
    application.setWindowIcon(QIcon(QPixmap::fromImage(image_icone())));
}
