// The window from the keyboard and through a screen reader.
#include "fenetre_test.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSet>
#include <QTableView>

#include <algorithm>

using Clavier = FenetreTest;

TEST_F(Clavier, TabFaitLeTourDeLaFenetreDepuisLaGrille)
{
    fenetre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    ASSERT_EQ(QApplication::focusWidget(), controle("MSFlexGrid1"));
    QStringList tour;
    for (int i = 0; i < 20 && (tour.isEmpty() || tour.back() != "MSFlexGrid1"); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        tour << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(tour,
              QStringList({"Text1", "Command1", "Text4", "Text5", "Text6", "Command3", "Command2", "Text7", "Text8",
                           "Text9", "Text2", "Text3", "Combo1", "Combo2", "Option2(0)", "Option3(0)", "MSFlexGrid1"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Option3(0)");
}

TEST_F(Clavier, EntreeCliqueLeBoutonEtRaccourcisAttendus)
{
    for (const char* bouton : {"Command1", "Command2", "Command3"}) {
        CapteurMessages capteur;
        controle(bouton)->setFocus();
        QTest::keyClick(controle(bouton), Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_FALSE(capteur.vus.empty()) << bouton;  // every calculator refuses empty boxes
    }
    EXPECT_EQ(controle<QAction>("mnimprim")->shortcut(), QKeySequence(QKeySequence::Print));
    EXPECT_EQ(controle<QAction>("mnquit")->shortcut(), QKeySequence(QKeySequence::Quit));
    EXPECT_EQ(controle<QAction>("mnaide")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(Clavier, NomsPourLesLecteursDEcranUniquesEtSansPoints)
{
    QSet<QString> vus;
    for (QWidget* w : fenetre->centralWidget()->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisible() || w->focusPolicy() == Qt::NoFocus)
            continue;
        QString nom = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        EXPECT_FALSE(nom.isEmpty() || nom.contains("..")) << w->objectName().toStdString();
        EXPECT_FALSE(vus.contains(nom)) << nom.toStdString();
        vus << nom;
    }
    EXPECT_GE(vus.size(), 20);
    // Each box labelled by its own caption, which a screen reader reads without its dots.
    for (auto [legende, boite] : legendes_et_cases) {
        EXPECT_EQ(controle<QLabel>(legende)->buddy(), controle(boite)) << legende;
        auto relations = QAccessible::queryAccessibleInterface(controle(boite))->relations(QAccessible::Label);
        EXPECT_TRUE(std::any_of(relations.begin(), relations.end(), [&](const auto& r) {
            return r.first->object() == controle(legende);
        })) << legende;
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(controle(legende))->text(QAccessible::Name).contains(".."));
    }
}

TEST_F(Clavier, LeTexteDeDepartCedeALaFrappe)
{
    auto* montant = controle<QLineEdit>("Text1");
    QTest::mouseClick(montant, Qt::LeftButton, {}, QPoint(5, 5));
    QApplication::processEvents();
    QTest::keyClicks(montant, "150000");
    EXPECT_EQ(montant->text(), "150000");

    // A new table shows its top-left corner, wherever the last one was scrolled.
    remplir_les_cases({"150000", "12", "240"});
    CapteurMessages capteur;
    auto* grille = controle<QTableView>("MSFlexGrid1");
    QTest::mouseClick(controle("Command1"), Qt::LeftButton);
    grille->verticalScrollBar()->setValue(grille->verticalScrollBar()->maximum());
    grille->horizontalScrollBar()->setValue(grille->horizontalScrollBar()->maximum());
    QTest::mouseClick(controle("Command1"), Qt::LeftButton);
    EXPECT_EQ(grille->verticalScrollBar()->value(), 0);
    EXPECT_EQ(grille->horizontalScrollBar()->value(), 0);
}
