#include "commun/aide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>

#include <algorithm>

namespace {

// Beside the main window, on its screen: to its right where there is room,
// else to its left, so that the help never hides the fields it explains.
void placer_a_cote(QWidget* aide, const QWidget* fenetre)
{
    const QRect ecran = fenetre->screen()->availableGeometry();
    const QRect principale = fenetre->frameGeometry();
    int x = principale.right() + 8;
    if (x + aide->width() > ecran.right())
        x = std::max(ecran.left(), principale.left() - 8 - aide->width());
    aide->move(x, std::clamp(principale.top(), ecran.top(), std::max(ecran.top(), ecran.bottom() - aide->height())));
}

}  // namespace

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
        placer_a_cote(visionneuse, fenetre);
    }
    visionneuse->setSource(QUrl::fromLocalFile(chemin));
    visionneuse->show();
    visionneuse->raise();
    visionneuse->activateWindow();
}
