#include "principale/a_propos.h"

#include "commun/apparence.h"
#include "commun/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVersionNumber>

QString texte_version()
{
    QVersionNumber v = QVersionNumber::fromString(TARVIO_VERSION);
    return QString("Version %1.%2%3").arg(v.majorVersion()).arg(v.minorVersion()).arg(v.microVersion());
}

FenetreAPropos::FenetreAPropos()
{
    setObjectName("Dialog");
    setWindowTitle("A propos de Tarvio");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(3675), px(2325));
    colorer(this, {QPalette::Window}, couleurs::jaune_clair);

    auto* titre = new QLabel(this);
    titre->setObjectName("Label1");
    titre->setFont(police("Arial", 21.75, true));
    colorer(titre, {QPalette::WindowText}, QColor(0, 255, 0));

    auto* version = new QLabel(this);
    version->setObjectName("Label2");
    version->setGeometry(rect_twips(120, 600, 3495, 375));

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setGeometry(rect_twips(1200, 1920, 1215, 375));
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    titre->setText(QString("Tarvio").toUpper());
    titre->adjustSize();
    titre->move(width() / 2 - titre->width() / 2, 0);
    version->setText(texte_version() + " --  Le calcul de crédit facile");
    ok->setToolTip("Quitter cette fenetre");
    titre->setToolTip(texte_version());
    move(QGuiApplication::primaryScreen()->availableGeometry().center() - rect().center());
}
