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

TEST_F(Demarrage, FenetreListesEtTextesDeDepart)
{
    EXPECT_EQ(fenetre->windowTitle(), "Calcul d'emprunt");
    EXPECT_EQ(fenetre->centralWidget()->size(), QSize(547, 413));
    EXPECT_EQ(fenetre->minimumSize(), fenetre->maximumSize());
    EXPECT_FALSE(fenetre->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    QPoint ecart = fenetre->frameGeometry().center() - fenetre->screen()->availableGeometry().center();
    EXPECT_LE(ecart.manhattanLength(), 40);
    EXPECT_EQ(fenetre->flag_erreur, "0");

    for (const char* nom : {"Combo1", "Combo2"}) {
        auto* combo = controle<QComboBox>(nom);
        ASSERT_EQ(combo->count(), 97);
        EXPECT_EQ(QStringList({combo->itemText(0), combo->itemText(1), combo->itemText(96)}),
                  QStringList({"1", "1,25", "25"}));
        EXPECT_EQ(combo->currentIndex(), -1);
    }
    EXPECT_EQ(controle<QComboBox>("Combo1")->currentText(), "Mini");
    EXPECT_EQ(controle<QComboBox>("Combo2")->currentText(), "Maxi");
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(controle<QLineEdit>(QString("Text%1").arg(i))->text(), i == 1 || i == 5 ? "0.00" : "0");
    EXPECT_TRUE(controle<QLabel>("Label10")->isHidden());
    EXPECT_TRUE(controle<QLabel>("Label14")->text().isEmpty());
    EXPECT_EQ(controle<QGroupBox>("Frame1")->parentWidget(), controle("Frame6"));
    EXPECT_EQ(controle("Text9")->geometry(), QRect(136, 48, 49, 19));  // twips / 15, in Frame5
}

// ctest runs each case in a process of its own, so this sees start-up alone.
TEST_F(Demarrage, OuvrirLaFenetreNeChargeAucunModuleDImages)
{
    QFile carte("/proc/self/maps");
    ASSERT_TRUE(carte.open(QIODevice::ReadOnly));
    EXPECT_FALSE(carte.readAll().contains("/imageformats/"));
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

TEST_F(Demarrage, GrilleMenusFocusEtTabulation)
{
    auto* grille = controle<GrilleHypotheses>("MSFlexGrid1");
    EXPECT_EQ(grille->model()->rowCount(), 24);
    EXPECT_EQ(grille->model()->columnCount(), 14);
    EXPECT_EQ(grille->horizontalHeader()->height(), 50);
    EXPECT_EQ(grille->verticalHeader()->width(), 50);
    EXPECT_EQ(grille->model()->headerData(0, Qt::Vertical).toString(), "");  // no row numbers
    EXPECT_EQ(grille->findChild<QLabel*>("embleme")->pixmap().size(), QSize(50, 50));

    QStringList menus;
    for (const char* nom : {"mnfich", "mnaide2"})
        for (QAction* a : controle<QMenu>(nom)->actions())
            menus << a->objectName() + "=" + (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(menus, QStringList({"mnimprim=&Imprimer", "trait1=-", "mnquit=&Quitter", "mnaide=aide",
                                  "mnapropos=A propos"}));

    fenetre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    EXPECT_EQ(QApplication::focusWidget(), grille);
    QStringList parcours;
    controle("Text1")->setFocus();
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        parcours << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(parcours, QStringList({"Command1", "Text4", "Text5"}));
}

TEST_F(Demarrage, GroupesDOptionsParSourisClavierEtCode)
{
    auto* frame5 = controle<QGroupBox>("Frame5");
    auto* annees = controle<QRadioButton>("Option2(1)");
    auto legende = [&] { return std::pair{frame5->title(), frame5->palette().color(QPalette::WindowText)}; };
    const auto mois = std::pair{QString("Calcul du taux d'intéret"), QColor(Qt::black)};
    EXPECT_EQ(legende(), mois);
    EXPECT_EQ(controle("Option2(0)")->palette().color(QPalette::Button), QColor(255, 192, 192));

    QTest::mouseClick(annees, Qt::LeftButton);
    EXPECT_EQ(legende(), std::pair(QString("Calcul du taux d'intéret - ATTENTION : Uniquement en mois !"),
                                   QColor(Qt::red)));
    EXPECT_EQ(controle("Label11")->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(fenetre->choix_formule, 0);  // the groups are independent

    annees->setFocus();
    QTest::keyClick(annees, Qt::Key_Up);
    EXPECT_EQ(legende(), mois);

    controle<QRadioButton>("Option3(2)")->setChecked(true);
    EXPECT_EQ(fenetre->choix_formule, 2);
    QTest::mouseClick(controle("Option3(1)"), Qt::LeftButton);
    EXPECT_EQ(fenetre->choix_formule, 1);
    EXPECT_TRUE(controle<QRadioButton>("Option2(0)")->isChecked());
}
