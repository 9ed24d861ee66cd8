// Quitter, the About window and the help viewer.
#include "fenetre_test.h"

#include "aide.h"
#include "dialog.h"

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

    static QList<Dialog*> fenetres_apropos()
    {
        QList<Dialog*> liste;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = dynamic_cast<Dialog*>(w); d && w->isVisible())
                liste << d;
        return liste;
    }
};

}  // namespace

TEST_F(Menus, AProposUneSeuleFenetreRechargeeApresOK)
{
    choisir("mnapropos");
    choisir("mnapropos");
    ASSERT_EQ(fenetres_apropos().size(), 1);
    Dialog* d = fenetres_apropos().front();
    EXPECT_EQ(d->parent(), nullptr);
    EXPECT_EQ(d->windowTitle(), "A propos de Tarvio");
    EXPECT_EQ(d->size(), QSize(245, 155));
    auto* label1 = d->findChild<QLabel*>("Label1");
    EXPECT_EQ(label1->text(), "TARVIO");
    EXPECT_EQ(label1->y(), 0);
    EXPECT_LE(std::abs(label1->x() + label1->width() / 2 - d->width() / 2), 1);
    EXPECT_EQ(label1->toolTip(), "Version 1.00");
    EXPECT_EQ(label1->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    EXPECT_EQ(d->findChild<QLabel*>("Label2")->text(), "Version 1.00 --  Le calcul de crédit facile");
    auto* ok = d->findChild<QPushButton*>("OKButton");
    EXPECT_EQ(ok->toolTip(), "Quitter cette fenetre");
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    EXPECT_EQ(QApplication::focusWidget(), ok);

    QPointer<Dialog> premiere = d;
    QTest::mouseClick(ok, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(premiere.isNull());  // unloaded; the next one loads afresh
    choisir("mnapropos");
    EXPECT_EQ(fenetres_apropos().size(), 1);
}

TEST_F(Menus, QuitterFermeLaFenetrePrincipaleSeulement)
{
    choisir("mnapropos");
    choisir("mnquit");
    EXPECT_FALSE(fenetre->isVisible());
    EXPECT_EQ(fenetres_apropos().size(), 1);  // it keeps the program running
}

TEST_F(Menus, AideAvecEtSansDocument)
{
    QString copie = QDir(QCoreApplication::applicationDirPath()).filePath("tarvio.html");
    QFile::remove(copie);
    CapteurMessages capteur;
    if (chemin_aide(QCoreApplication::applicationDirPath()).isEmpty()) {  // no document: nothing at all
        choisir("mnaide");
        EXPECT_EQ(fenetre->findChild<QTextBrowser*>("aide"), nullptr);
    }
    ASSERT_TRUE(QFile::copy(TARVIO_AIDE, copie));
    choisir("mnaide");
    auto* aide = fenetre->findChild<QTextBrowser*>("aide");
    ASSERT_NE(aide, nullptr);
    EXPECT_TRUE(aide->isVisible());
    EXPECT_TRUE(aide->toPlainText().contains("Intérêts constants"));
    choisir("mnquit");  // the viewer goes with the main window
    EXPECT_FALSE(aide->isVisible());
    QFile::remove(copie);
    EXPECT_TRUE(capteur.vus.empty());
}

TEST_F(Menus, AideTrouveeOuElleEstInstallee)
{
    QTemporaryDir prefixe;
    QDir(prefixe.path()).mkpath("bin");
    EXPECT_TRUE(chemin_aide(prefixe.filePath("bin")).isEmpty());
    QDir(prefixe.path()).mkpath("share/tarvio");
    QFile::copy(TARVIO_AIDE, prefixe.filePath("share/tarvio/tarvio.html"));
    EXPECT_EQ(chemin_aide(prefixe.filePath("bin")), prefixe.filePath("share/tarvio/tarvio.html"));
}

TEST_F(Menus, BoutonsDeQtEnFrancais)
{
    QMessageBox question(QMessageBox::NoIcon, "Tarvio", "?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(question.button(QMessageBox::Yes)->text(), "&Oui");
    EXPECT_EQ(question.button(QMessageBox::No)->text(), "&Non");
    EXPECT_EQ(question.button(QMessageBox::Cancel)->text(), "Annuler");
}
