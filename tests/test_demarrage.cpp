// The main window as it opens, and its option groups.
#include "fenetre_test.h"

#include "grille.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

using Demarrage = FenetreTest;

TEST_F(Demarrage, FenetreFixeCentreeJaune)
{
    EXPECT_EQ(fenetre->objectName(), "tarvio");
    EXPECT_EQ(fenetre->windowTitle(), "Calcul d'emprunt");
    EXPECT_EQ(fenetre->centralWidget()->size(), QSize(547, 413));
    EXPECT_EQ(fenetre->minimumSize(), fenetre->maximumSize());
    EXPECT_FALSE(fenetre->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(fenetre->windowIcon().isNull());
    EXPECT_EQ(fenetre->palette().color(QPalette::Window), QColor(255, 255, 192));
    QPoint ecart = fenetre->frameGeometry().center() - fenetre->screen()->availableGeometry().center();
    EXPECT_LE(ecart.manhattanLength(), 40);
    EXPECT_EQ(fenetre->flag_erreur, "0");
    EXPECT_EQ(fenetre->choix_formule, 0);
}

TEST_F(Demarrage, ListesDeTauxEtTextesParDefaut)
{
    for (const char* nom : {"Combo1", "Combo2"}) {
        auto* combo = controle<QComboBox>(nom);
        ASSERT_EQ(combo->count(), 97);
        EXPECT_EQ(combo->itemText(0), "1");
        EXPECT_EQ(combo->itemText(1), "1,25");
        EXPECT_EQ(combo->itemText(2), "1,5");
        EXPECT_EQ(combo->itemText(95), "24,75");
        EXPECT_EQ(combo->itemText(96), "25");
        EXPECT_EQ(combo->currentIndex(), -1);
        EXPECT_TRUE(combo->isEditable());
    }
    EXPECT_EQ(controle<QComboBox>("Combo1")->currentText(), "Mini");
    EXPECT_EQ(controle<QComboBox>("Combo2")->currentText(), "Maxi");
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(controle<QLineEdit>(QString("Text%1").arg(i))->text(), i == 1 || i == 5 ? "0.00" : "0");
    EXPECT_EQ(controle<QLineEdit>("Text2")->toolTip(),
              "Nonbre MINIMUM de périodes pendant lesquelles vous pensez rembourser");
    EXPECT_EQ(controle<QLineEdit>("Text8")->toolTip(), "Entrez ici le montant de vos échéances");
    EXPECT_EQ(controle<QLineEdit>("Text1")->palette().color(QPalette::Base), QColor(192, 255, 255));
    EXPECT_TRUE(controle<QLabel>("Label10")->text().isEmpty());
    EXPECT_TRUE(controle<QLabel>("Label10")->isHidden());
    EXPECT_TRUE(controle<QLabel>("Label14")->text().isEmpty());
    EXPECT_EQ(controle<QLabel>("Label1")->text(), "Montant de l'emprunt :..............");
    EXPECT_EQ(controle<QLabel>("Label8")->text(), " %");
    EXPECT_EQ(controle<QPushButton>("Command1")->text(), "Calculer maintenant");
    EXPECT_EQ(controle<QPushButton>("Command3")->text(), "Calculer maintenant");
    EXPECT_EQ(controle<QPushButton>("Command2")->text(), "Calcul maintenant");
    EXPECT_EQ(controle<QPushButton>("Command3")->toolTip(), "Lancer le calcul du nombres des échéances");
    EXPECT_EQ(controle<QGroupBox>("Frame3")->title(), "Hypothèse de crédit");
    EXPECT_EQ(controle<QGroupBox>("Frame6")->title(), "Choix divers");
    EXPECT_EQ(controle<QGroupBox>("Frame1")->parentWidget(), controle("Frame6"));
    EXPECT_EQ(controle("Text9")->geometry(), QRect(136, 48, 49, 19));
}

TEST_F(Demarrage, GrilleDansSonEtatDeDepart)
{
    auto* grille = controle<GrilleHypotheses>("MSFlexGrid1");
    EXPECT_EQ(grille->model()->rowCount(), 24);
    EXPECT_EQ(grille->model()->columnCount(), 14);
    EXPECT_EQ(grille->horizontalHeader()->height(), 50);
    EXPECT_EQ(grille->verticalHeader()->width(), 50);
    EXPECT_EQ(grille->model()->headerData(0, Qt::Vertical).toString(), "");
    EXPECT_EQ(grille->model()->headerData(3, Qt::Horizontal).toString(), "");
    EXPECT_EQ(grille->toolTip(), "Affichage des hypothèse de crédit");
    auto* embleme = grille->findChild<QLabel*>("embleme");
    ASSERT_NE(embleme, nullptr);
    EXPECT_EQ(embleme->pixmap().size(), QSize(50, 50));
    EXPECT_TRUE(embleme->isVisible());
    EXPECT_FALSE(controle("imgGraphic")->isVisible());
}

TEST_F(Demarrage, MenusEtRaccourcis)
{
    EXPECT_EQ(controle<QMenu>("mnfich")->title(), "&Fichier");
    EXPECT_EQ(controle<QMenu>("mnaide2")->title(), "&?");
    QStringList fichier, aide;
    for (QAction* a : controle<QMenu>("mnfich")->actions())
        fichier << a->objectName() + "=" + (a->isSeparator() ? "-" : a->text());
    for (QAction* a : controle<QMenu>("mnaide2")->actions())
        aide << a->objectName() + "=" + a->text();
    EXPECT_EQ(fichier, QStringList({"mnimprim=&Imprimer", "trait1=-", "mnquit=&Quitter"}));
    EXPECT_EQ(aide, QStringList({"mnaide=aide", "mnapropos=A propos"}));
}

TEST_F(Demarrage, FocusEtOrdreDeTabulation)
{
    fenetre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    EXPECT_EQ(QApplication::focusWidget(), controle("MSFlexGrid1"));
    QStringList parcours;
    controle("Text1")->setFocus();
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        parcours << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(parcours, QStringList({"Command1", "Text4", "Text5", "Text6"}));
}

TEST_F(Demarrage, GroupesDOptions)
{
    auto* frame5 = controle<QGroupBox>("Frame5");
    auto* annees = controle<QRadioButton>("Option2(1)");
    EXPECT_TRUE(controle<QRadioButton>("Option2(0)")->isChecked());
    EXPECT_TRUE(controle<QRadioButton>("Option3(0)")->isChecked());
    EXPECT_EQ(frame5->title(), "Calcul du taux d'intéret");
    EXPECT_EQ(frame5->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(controle("Option2(0)")->palette().color(QPalette::Button), QColor(255, 192, 192));
    EXPECT_EQ(controle("Option3(2)")->palette().color(QPalette::Button), QColor(255, 224, 192));

    QTest::mouseClick(annees, Qt::LeftButton);  // by mouse
    EXPECT_EQ(frame5->title(), "Calcul du taux d'intéret - ATTENTION : Uniquement en mois !");
    EXPECT_EQ(frame5->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(controle("Label11")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(fenetre->choix_formule, 0);  // the groups are independent

    annees->setFocus();  // by keyboard, within the group
    QTest::keyClick(annees, Qt::Key_Up);
    EXPECT_TRUE(controle<QRadioButton>("Option2(0)")->isChecked());
    EXPECT_EQ(frame5->title(), "Calcul du taux d'intéret");
    EXPECT_EQ(frame5->palette().color(QPalette::WindowText), QColor(0, 0, 0));

    controle<QRadioButton>("Option3(2)")->setChecked(true);  // by code
    EXPECT_EQ(fenetre->choix_formule, 2);
    QTest::mouseClick(controle("Option3(1)"), Qt::LeftButton);
    EXPECT_EQ(fenetre->choix_formule, 1);
    EXPECT_TRUE(controle<QRadioButton>("Option2(0)")->isChecked());
}
