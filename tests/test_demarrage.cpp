// The main window as it opens and its menus: Quitter, the About window, the
// help viewer; and Qt's own buttons in French.
#include "fenetre_test.h"

#include "commun/aide.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>

using Demarrage = FenetreTest;

// ctest runs each case in a process of its own, so this sees start-up alone.
TEST_F(Demarrage, AucunModuleDImagesChargeEtQtEnFrancais)
{
    QFile carte("/proc/self/maps");
    ASSERT_TRUE(carte.open(QIODevice::ReadOnly));
    EXPECT_FALSE(carte.readAll().contains("/imageformats/"));
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    QMessageBox question(QMessageBox::NoIcon, "Tarvio", "?", QMessageBox::Yes | QMessageBox::Cancel);
    EXPECT_EQ(question.button(QMessageBox::Yes)->text() + question.button(QMessageBox::Cancel)->text(), "&OuiAnnuler");
}

TEST_F(Demarrage, AProposUneSeuleFenetreQuiSurvitAQuitter)
{
    auto ouvertes = [] {
        QList<QWidget*> liste;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Dialog" && w->isVisible())
                liste << w;
        return liste;
    };
    controle<QAction>("mnapropos")->trigger();
    controle<QAction>("mnapropos")->trigger();
    ASSERT_EQ(ouvertes().size(), 1);
    QPointer<QWidget> apropos = ouvertes().front();
    EXPECT_EQ(apropos->findChild<QLabel*>("Label2")->text(), "Version 1.00 --  Le calcul de crédit facile");

    controle<QAction>("mnquit")->trigger();
    EXPECT_FALSE(fenetre->isVisible());
    EXPECT_EQ(ouvertes().size(), 1);  // it keeps the program running
    QTest::mouseClick(apropos->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(apropos.isNull());  // unloaded; the next one loads afresh
}

TEST_F(Demarrage, AideAcoteDuProgrammeOuInstallee)
{
    QString copie = QDir(QCoreApplication::applicationDirPath()).filePath("tarvio.html");
    ASSERT_TRUE(QFile::exists(copie) || QFile::copy(TARVIO_AIDE, copie));
    controle<QAction>("mnaide")->trigger();
    auto* aide = fenetre->findChild<QTextBrowser*>("aide");
    ASSERT_NE(aide, nullptr);
    EXPECT_TRUE(aide->toPlainText().contains("Intérêts constants"));
    controle<QAction>("mnquit")->trigger();  // the viewer goes with the main window
    EXPECT_FALSE(aide->isVisible());

    QTemporaryDir prefixe;
    QDir(prefixe.path()).mkpath("bin");
    EXPECT_TRUE(chemin_aide(prefixe.filePath("bin")).isEmpty());
    QDir(prefixe.path()).mkpath("share/tarvio");
    QFile::copy(TARVIO_AIDE, prefixe.filePath("share/tarvio/tarvio.html"));
    EXPECT_EQ(chemin_aide(prefixe.filePath("bin")), prefixe.filePath("share/tarvio/tarvio.html"));
}
