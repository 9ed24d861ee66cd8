// Quitter, the About window, the help viewer, and Qt's own buttons in French.
#include "fenetre_test.h"

#include "aide.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>

namespace {

class Menus : public FenetreTest {
protected:
    void choisir(const char* action) { controle<QAction>(action)->trigger(); }

    static QList<QWidget*> fenetres_apropos()
    {
        QList<QWidget*> liste;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Dialog" && w->isVisible())
                liste << w;
        return liste;
    }
};

}  // namespace

TEST_F(Menus, AProposUneSeuleFenetreQuiSurvitAQuitter)
{
    choisir("mnapropos");
    choisir("mnapropos");
    ASSERT_EQ(fenetres_apropos().size(), 1);
    QWidget* d = fenetres_apropos().front();
    EXPECT_EQ(d->findChild<QLabel*>("Label2")->text(), "Version 1.00 --  Le calcul de crédit facile");

    choisir("mnquit");
    EXPECT_FALSE(fenetre->isVisible());
    EXPECT_EQ(fenetres_apropos().size(), 1);  // it keeps the program running
    QPointer<QWidget> premiere = d;
    QTest::mouseClick(d->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(premiere.isNull());  // unloaded; the next one loads afresh
}

TEST_F(Menus, AideAcoteDuProgrammeOuInstallee)
{
    QString copie = QDir(QCoreApplication::applicationDirPath()).filePath("tarvio.html");
    ASSERT_TRUE(QFile::exists(copie) || QFile::copy(TARVIO_AIDE, copie));
    choisir("mnaide");
    auto* aide = fenetre->findChild<QTextBrowser*>("aide");
    ASSERT_NE(aide, nullptr);
    EXPECT_TRUE(aide->toPlainText().contains("Intérêts constants"));
    choisir("mnquit");  // the viewer goes with the main window
    EXPECT_FALSE(aide->isVisible());

    QTemporaryDir prefixe;
    QDir(prefixe.path()).mkpath("bin");
    EXPECT_TRUE(chemin_aide(prefixe.filePath("bin")).isEmpty());
    QDir(prefixe.path()).mkpath("share/tarvio");
    QFile::copy(TARVIO_AIDE, prefixe.filePath("share/tarvio/tarvio.html"));
    EXPECT_EQ(chemin_aide(prefixe.filePath("bin")), prefixe.filePath("share/tarvio/tarvio.html"));
}

TEST_F(Menus, BoutonsDeQtEnFrancais)
{
    QMessageBox question(QMessageBox::NoIcon, "Tarvio", "?", QMessageBox::Yes | QMessageBox::Cancel);
    EXPECT_EQ(question.button(QMessageBox::Yes)->text() + question.button(QMessageBox::Cancel)->text(), "&OuiAnnuler");
}
