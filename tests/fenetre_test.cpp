#include "fenetre_test.h"

#include "application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
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
            (boite->button(QMessageBox::Yes) ? boite->button(QMessageBox::Yes) : boite->button(QMessageBox::Ok))
                ->click();
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

QStringList FenetreTest::textes_des_cases() const
{
    QStringList textes;
    for (int i = 1; i <= 9; ++i)
        textes << controle<QLineEdit>(QString("Text%1").arg(i))->text();
    return textes << controle<QComboBox>("Combo1")->currentText() << controle<QComboBox>("Combo2")->currentText();
}

void FenetreTest::remplir_les_cases(const QStringList& textes) const
{
    for (int i = 0; i < textes.size(); ++i)
        controle<QLineEdit>(QString("Text%1").arg(i + 1))->setText(textes[i]);
    controle<QComboBox>("Combo1")->setCurrentText("4");
    controle<QComboBox>("Combo2")->setCurrentText("5");
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
