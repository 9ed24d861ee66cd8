#include "aide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

QString chemin_aide(const QString& dossier_programme)
{
    QDir programme(dossier_programme);
    for (const QString& chemin :
         {programme.filePath("tarvio.html"), programme.filePath(TARVIO_AIDE_INSTALLEE "/tarvio.html")})
        if (QFileInfo(chemin).isFile())
            return QDir::cleanPath(chemin);
    return {};
}

void ouvrir_aide(QWidget* fenetre)
{
    QString chemin = chemin_aide(QCoreApplication::applicationDirPath());
    if (chemin.isEmpty())
        return;
    auto* visionneuse = fenetre->findChild<QTextBrowser*>("aide");
    if (!visionneuse) {
        visionneuse = new QTextBrowser(fenetre);
        visionneuse->setObjectName("aide");
        visionneuse->setWindowFlags(Qt::Window);
        visionneuse->setWindowTitle("Aide de Tarvio");
        visionneuse->setAttribute(Qt::WA_DeleteOnClose);
        visionneuse->setOpenExternalLinks(true);
        visionneuse->resize(640, 560);
    }
    visionneuse->setSource(QUrl::fromLocalFile(chemin));
    visionneuse->show();
    visionneuse->raise();
    visionneuse->activateWindow();
}
