#include "dialog.h"

#include "apparence.h"
#include "twips.h"

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

Dialog::Dialog()
{
    setObjectName("Dialog");
    setWindowTitle("A propos de Tarvio");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(3675), px(2325));
    colorer(this, {QPalette::Window}, couleurs::jaune_clair);

    auto* label1 = new QLabel(this);
    label1->setObjectName("Label1");
    label1->setFont(police("Arial", 21.75, true));
    colorer(label1, {QPalette::WindowText}, QColor(0, 255, 0));

    auto* label2 = new QLabel(this);
    label2->setObjectName("Label2");
    label2->setGeometry(rect_twips(120, 600, 3495, 375));

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setGeometry(rect_twips(1200, 1920, 1215, 375));
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    Form_Load();
    move(QGuiApplication::primaryScreen()->availableGeometry().center() - rect().center());
}

void Dialog::Form_Load()
{
    auto* label1 = findChild<QLabel*>("Label1");
    label1->setText(QString("Tarvio").toUpper());
    label1->adjustSize();
    label1->move(width() / 2 - label1->width() / 2, 0);
    findChild<QLabel*>("Label2")->setText(texte_version() + " --  Le calcul de crédit facile");
    findChild<QPushButton*>("OKButton")->setToolTip("Quitter cette fenetre");
    label1->setToolTip(texte_version());
}
