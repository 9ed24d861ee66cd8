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

    void saisir(const QString& montant, const QString& mini, const QString& maxi, const QString& taux_mini,
                const QString& taux_maxi)
    {
        controle<QLineEdit>("Text1")->setText(montant);
        controle<QLineEdit>("Text2")->setText(mini);
        controle<QLineEdit>("Text3")->setText(maxi);
        controle<QComboBox>("Combo1")->setCurrentText(taux_mini);
        controle<QComboBox>("Combo2")->setCurrentText(taux_maxi);
    }

    QStringList calculer()
    {
        CapteurMessages capteur;
        QTest::mouseClick(controle("Command1"), Qt::LeftButton);
        return capteur.textes();
    }

    // Clicks cell (r, c), counted from 1, and gives the messages it showed.
    std::vector<MessageVu> cliquer(int r, int c, Qt::MouseButton bouton = Qt::LeftButton)
    {
        QModelIndex index = grille->model()->index(r - 1, c - 1);
        grille->scrollTo(index);
        CapteurMessages capteur;
        capteur.pendant = [&] { marque = grille->model()->data(index, Qt::FontRole).value<QFont>().bold(); };
        QTest::mouseClick(grille->viewport(), bouton, {}, grille->visualRect(index).center());
        return capteur.vus;
    }

    QString cellule(int r, int c) const { return grille->model()->index(r - 1, c - 1).data().toString(); }
    QString en_tete(Qt::Orientation o, int section) const { return grille->model()->headerData(section, o).toString(); }

    GrilleHypotheses* grille = nullptr;
    bool marque = false;
};

}  // namespace

TEST_F(Tableau, RequeteTypiqueEtSonTotal)
{
    saisir("10000", "12", "15", "4", "5");
    controle<QRadioButton>("Option3(2)")->click();
    EXPECT_TRUE(calculer().isEmpty());
    EXPECT_EQ(grille->model()->rowCount(), 5);
    EXPECT_EQ(grille->model()->columnCount(), 4);
    EXPECT_EQ(en_tete(Qt::Vertical, 1) + " / " + en_tete(Qt::Horizontal, 3), "4,25 % / 15 Mensualités");
    EXPECT_EQ(grille->horizontalHeader()->sectionSize(0), 89);  // 1330 twips
    EXPECT_EQ(cellule(5, 1), "  852,52 €");

    auto vus = cliquer(5, 1);
    ASSERT_EQ(vus.size(), 1u);
    EXPECT_EQ(vus[0].texte, "Vous allez rembourser un total de : 10230,24€");
    EXPECT_TRUE(marque);  // marked while the box was open
    EXPECT_FALSE(grille->model()->index(4, 0).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(grille->currentIndex(), grille->model()->index(4, 0));

    controle<QLineEdit>("Text2")->setText("24");  // read afresh at each click
    EXPECT_EQ(cliquer(5, 1).at(0).texte, "Vous allez rembourser un total de : 20460,48€");
    controle<QLineEdit>("Text1")->setText("0.00");  // no amount asked for: clicks show nothing
    EXPECT_TRUE(cliquer(5, 1).empty());
}

TEST_F(Tableau, EnAnneesPuisUnTableauPlusGrand)
{
    controle<QRadioButton>("Option2(1)")->click();
    controle<QRadioButton>("Option3(2)")->click();
    saisir("10000", "10", "12", "4", "5");
    calculer();
    EXPECT_EQ(en_tete(Qt::Horizontal, 0), "10  Annuités    ");
    EXPECT_EQ(grille->horizontalHeader()->sectionSize(0), 101);  // 1520 twips
    EXPECT_EQ(cliquer(5, 1).at(0).texte,
              "Vous allez rembourser un total de : 12333,8€\nLe remboursement mensuel est de : 102,78€");

    saisir("10000", "2", "240", "1", "25");  // a larger table: every new cell gets its text
    calculer();
    EXPECT_EQ(grille->model()->rowCount() * 1000 + grille->model()->columnCount(), 97239);
    EXPECT_FALSE(cellule(97, 239).isEmpty());
}

TEST_F(Tableau, ClicsIgnoresEtBoutonDroit)
{
    saisir("10000", "12", "15", "4", "5");
    calculer();
    CapteurMessages capteur;
    for (QWidget* en_tete : {grille->horizontalHeader()->viewport(), grille->verticalHeader()->viewport()})
        QTest::mouseClick(en_tete, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(capteur.vus.empty());
    for (QWidget* surface : {grille->viewport(), grille->horizontalHeader()->viewport(),
                             static_cast<QWidget*>(grille->findChild<QAbstractButton*>())})
        QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(5, 5));
    ASSERT_EQ(capteur.vus.size(), 3u);
    EXPECT_EQ(capteur.vus[0].texte + capteur.vus[0].titre, "Pas le bouton droit S.V.P. !Tarvio");
    QTest::mouseClick(grille->viewport(), Qt::MiddleButton, {}, QPoint(5, 5));
    EXPECT_EQ(capteur.vus.size(), 3u);
}

TEST_F(Tableau, RefusEtFautesReparees)
{
    EXPECT_EQ(calculer().size(), 3);  // fresh window: the period boxes are emptied, no table
    EXPECT_EQ(controle<QLineEdit>("Text2")->text() + controle<QLineEdit>("Text3")->text(), "");
    saisir("10000", "12", "15", "abc", "5");  // a rate that is no number: no table
    EXPECT_EQ(calculer().size(), 1);
    EXPECT_EQ(grille->model()->rowCount(), 24);

    saisir("10000", "0", "12", "4", "5");  // the count 0 has no repayment
    EXPECT_TRUE(calculer().isEmpty());
    EXPECT_EQ(cellule(1, 1), "");
    EXPECT_EQ(cellule(1, 2), " 10 033,33 €");  // simple interest, one month at 4 %
    EXPECT_TRUE(cliquer(1, 1).empty());
}

TEST_F(Tableau, CtrlCCopieLaSelectionOuToutLeTableau)
{
    QApplication::clipboard()->clear();
    QTest::keyClick(grille, Qt::Key_C, Qt::ControlModifier);  // no table yet: nothing
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());

    controle<QRadioButton>("Option3(2)")->click();
    saisir("10000", "12", "13", "4", "5");
    calculer();
    QTest::keyClick(grille, Qt::Key_C, Qt::ControlModifier);  // nothing selected: the whole table
    QStringList lignes = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 6);
    EXPECT_EQ(lignes[5].section('\t', 0, 1), "5 %\t852,52");

    grille->selectionModel()->select(QItemSelection(grille->model()->index(3, 1), grille->model()->index(4, 1)),
                                     QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(grille, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().count('\n'), 3);  // headings and the two selected rows
}
