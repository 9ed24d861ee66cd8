// The main window as it opens, and its option groups.
#include "fenetre_test.h"

#include "grille.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

using Demarrage = FenetreTest;

TEST_F(Demarrage, FenetreListesGrilleEtMenus)
{
    EXPECT_EQ(fenetre->centralWidget()->size(), QSize(547, 413));
    EXPECT_EQ(fenetre->minimumSize(), fenetre->maximumSize());
    EXPECT_EQ(controle("Text9")->geometry(), QRect(136, 48, 49, 19));  // twips / 15, in Frame5

    auto* combo = controle<QComboBox>("Combo2");
    ASSERT_EQ(combo->count(), 97);
    EXPECT_EQ(combo->itemText(1) + " " + combo->itemText(96) + " " + combo->currentText(), "1,25 25 Maxi");
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(controle<QLineEdit>("Text5")->text(), "0.00");
    EXPECT_TRUE(controle<QLabel>("Label10")->isHidden());

    auto* grille = controle<GrilleHypotheses>("MSFlexGrid1");
    EXPECT_EQ(grille->model()->rowCount() * 100 + grille->model()->columnCount(), 2414);
    EXPECT_EQ(grille->horizontalHeader()->height() * 100 + grille->verticalHeader()->width(), 5050);

    QStringList menus;
    for (QAction* a : controle<QMenu>("mnfich")->actions())
        menus << a->objectName() + "=" + (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(menus, QStringList({"mnimprim=&Imprimer", "trait1=-", "mnquit=&Quitter"}));
}

// ctest runs each case in a process of its own, so this sees start-up alone.
TEST_F(Demarrage, OuvrirLaFenetreNeChargeAucunModuleDImages)
{
    QFile carte("/proc/self/maps");
    ASSERT_TRUE(carte.open(QIODevice::ReadOnly));
    EXPECT_FALSE(carte.readAll().contains("/imageformats/"));
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

TEST_F(Demarrage, FocusTabulationEtGroupesDOptions)
{
    fenetre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    EXPECT_EQ(QApplication::focusWidget(), controle("MSFlexGrid1"));
    controle("Text1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), controle("Command1"));

    auto* frame5 = controle<QGroupBox>("Frame5");
    auto* annees = controle<QRadioButton>("Option2(1)");
    QTest::mouseClick(annees, Qt::LeftButton);
    EXPECT_EQ(frame5->title(), "Calcul du taux d'intéret - ATTENTION : Uniquement en mois !");
    EXPECT_EQ(frame5->palette().color(QPalette::WindowText), QColor(Qt::red));
    annees->setFocus();
    QTest::keyClick(annees, Qt::Key_Up);  // back to months by keyboard
    EXPECT_EQ(frame5->title(), "Calcul du taux d'intéret");

    QTest::mouseClick(controle("Option3(1)"), Qt::LeftButton);
    EXPECT_EQ(fenetre->choix_formule(), 1);
    EXPECT_TRUE(controle<QRadioButton>("Option2(0)")->isChecked());  // the groups are independent
}
