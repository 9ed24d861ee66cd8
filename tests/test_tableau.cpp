// The hypothesis table through the window: the button, the grid, the clicks.
#include "fenetre_test.h"

#include "grille.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>

namespace {

class Tableau : public FenetreTest {
protected:
    void SetUp() override
    {
        FenetreTest::SetUp();
        grille = controle<GrilleHypotheses>("MSFlexGrid1");
    }

    // Fills amount, periods and rates when given, presses the button, gives the messages.
    std::vector<MessageVu> calculer(const QStringList& saisie = {})
    {
        for (int i = 0; i < saisie.size(); ++i)
            if (i < 3)
                controle<QLineEdit>(QString("Text%1").arg(i + 1))->setText(saisie[i]);
            else
                controle<QComboBox>(QString("Combo%1").arg(i - 2))->setCurrentText(saisie[i]);
        CapteurMessages capteur;
        QTest::mouseClick(controle("Command1"), Qt::LeftButton);
        return capteur.vus;
    }

    // Clicks cell (r, c), counted from 1, and gives the messages it showed.
    std::vector<MessageVu> cliquer(int r, int c)
    {
        QModelIndex index = grille->model()->index(r - 1, c - 1);
        grille->scrollTo(index);
        CapteurMessages capteur;
        capteur.pendant = [&] { marque = grille->model()->data(index, Qt::FontRole).value<QFont>().bold(); };
        QTest::mouseClick(grille->viewport(), Qt::LeftButton, {}, grille->visualRect(index).center());
        return capteur.vus;
    }

    QString cellule(int r, int c) const { return grille->model()->index(r - 1, c - 1).data().toString(); }

    GrilleHypotheses* grille = nullptr;
    bool marque = false;
};

}  // namespace

TEST_F(Tableau, RequeteTypiqueSonTotalPuisEnAnnees)
{
    controle<QRadioButton>("Option3(2)")->click();
    EXPECT_TRUE(calculer({"10000", "12", "15", "4", "5"}).empty());
    EXPECT_EQ(grille->model()->headerData(3, Qt::Horizontal).toString(), "15 Mensualités");
    EXPECT_EQ(grille->horizontalHeader()->sectionSize(0), 89);  // 1330 twips

    auto vus = cliquer(5, 1);
    ASSERT_EQ(vus.size(), 1u);
    EXPECT_EQ(vus[0].texte, "Vous allez rembourser un total de : 10230,24€");
    EXPECT_TRUE(marque);  // marked while the box was open
    EXPECT_FALSE(grille->model()->index(4, 0).data(Qt::FontRole).value<QFont>().bold());
    controle<QLineEdit>("Text2")->setText("24");  // read afresh at each click
    EXPECT_EQ(cliquer(5, 1).at(0).texte, "Vous allez rembourser un total de : 20460,48€");
    controle<QLineEdit>("Text1")->setText("0.00");  // no amount asked for: clicks show nothing
    EXPECT_TRUE(cliquer(5, 1).empty());

    controle<QRadioButton>("Option2(1)")->click();
    calculer({"10000", "10", "12", "4", "5"});
    EXPECT_EQ(cliquer(5, 1).at(0).texte,
              "Vous allez rembourser un total de : 12333,8€\nLe remboursement mensuel est de : 102,78€");
    calculer({"10000", "2", "240", "1", "25"});  // a larger table: every new cell gets its text
    EXPECT_FALSE(cellule(97, 239).isEmpty());
}

TEST_F(Tableau, RefusClicsIgnoresEtBoutonDroit)
{
    EXPECT_EQ(calculer().size(), 3u);  // fresh window: the period boxes are emptied, no table
    EXPECT_EQ(controle<QLineEdit>("Text2")->text() + controle<QLineEdit>("Text3")->text(), "");
    EXPECT_TRUE(calculer({"10000", "0", "12", "4", "5"}).empty());  // the count 0 has no repayment
    EXPECT_EQ(cellule(1, 1), "");
    EXPECT_EQ(cellule(1, 2), " 10 033,33 €");  // simple interest, one month at 4 %
    EXPECT_TRUE(cliquer(1, 1).empty());

    CapteurMessages capteur;
    QTest::mouseClick(grille->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(capteur.vus.empty());
    for (QWidget* surface : {grille->viewport(), grille->verticalHeader()->viewport(),
                             static_cast<QWidget*>(grille->findChild<QAbstractButton*>())})
        QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(5, 5));
    ASSERT_EQ(capteur.vus.size(), 3u);
    EXPECT_EQ(capteur.vus[0].texte + capteur.vus[0].titre, "Pas le bouton droit S.V.P. !Tarvio");
}

TEST_F(Tableau, CtrlCCopieLaSelectionOuToutLeTableau)
{
    controle<QRadioButton>("Option3(2)")->click();
    calculer({"10000", "12", "13", "4", "5"});
    QTest::keyClick(grille, Qt::Key_C, Qt::ControlModifier);  // nothing selected: the whole table
    EXPECT_EQ(QApplication::clipboard()->text().section('\n', 5, 5).section('\t', 0, 1), "5 %\t852,52");
    grille->selectionModel()->select(QItemSelection(grille->model()->index(3, 1), grille->model()->index(4, 1)),
                                     QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(grille, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().count('\n'), 3);  // headings and the two selected rows
}

// The checks decide which boxes a refusal empties; the window empties those and no others.
TEST_F(Tableau, UnRefusVideSesCasesEtPasDAutres)
{
    const QStringList saisie = {"10000", "3", "36", "4", "5", "6", "7", "8", "9"};
    for (auto [mini, maxi, vides] : {std::tuple{"3", "36", QList<int>{0}}, {"15", "12", QList<int>{1, 2}}}) {
        remplir_les_cases(saisie);
        controle<QLineEdit>("Text2")->setText(mini);
        controle<QLineEdit>("Text3")->setText(maxi);
        QStringList attendu = textes_des_cases();
        for (int i : vides)
            attendu[i].clear();
        EXPECT_EQ(calculer().size(), 1u);
        EXPECT_EQ(textes_des_cases(), attendu) << mini << ' ' << maxi;
        EXPECT_EQ(fenetre->flag_erreur(), "4");
    }
    calculer({"10000", "12", "15"});
    EXPECT_EQ(fenetre->flag_erreur(), "0");
}
