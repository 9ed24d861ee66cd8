#include "fenetre_test.h"

#include "application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QProcess>
#include <QRegularExpression>

CapteurMessages::CapteurMessages()
{
    QObject::connect(&minuterie_, &QTimer::timeout, [this] {
        QWidget* modale = QApplication::activeModalWidget();
        if (auto* boite = qobject_cast<QMessageBox*>(modale)) {
            vus.push_back({boite->text(), boite->windowTitle(), boite->icon()});
            if (pendant)
                pendant();
            (boite->button(QMessageBox::Yes) ? boite->button(QMessageBox::Yes) : boite->button(QMessageBox::Ok))->click();
        } else if (auto* dialogue = qobject_cast<QFileDialog*>(modale)) {
            dialogue->selectFile(fichier);
            static_cast<QDialog*>(dialogue)->accept();
        }
    });
    minuterie_.start(2);
}

QString poppler(const QString& outil, const QStringList& arguments)
{
    QProcess processus;
    processus.start(outil, arguments);
    processus.waitForFinished();
    return QString::fromUtf8(processus.readAllStandardOutput());
}

int pages_pdf(const QString& chemin)
{
    auto trouve = QRegularExpression("Pages:\\s+(\\d+)").match(poppler("pdfinfo", {chemin}));
    return trouve.hasMatch() ? trouve.captured(1).toInt() : -1;
}

void attendre_file_vide()
{
    for (int i = 0; i < 1200 && !poppler("lpstat", {"-o", "PDF"}).trimmed().isEmpty(); ++i)
        QTest::qWait(100);
}

void FenetreTest::SetUp()
{
    fenetre = std::make_unique<tarvio>();
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // No display needed, and none disturbed: the window lives off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    preparer_application(application);
    return RUN_ALL_TESTS();
}
