// The hypothesis table through the window: the button, the grid, the clicks.
#include "fenetre_test.h"

#include "principale/grille.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>

namespace {

class Tableau : public FenetreTest {
protected:
    GrilleHypotheses* grille() const { return controle<GrilleHypotheses>("MSFlexGrid1"); }

    // Fills amount and periods, the rates 4 and 5, presses the button, gives the messages.
    std::vector<MessageVu> calculer(const QStringList& saisie)
    {
        remplir_les_cases(saisie);
        CapteurMessages capteur;
        QTest::mouseClick(controle("Command1"), Qt::LeftButton);
        return capteur.vus;
    }

    // Clicks cell (r, c), counted from 1, and gives the messages it showed.
    std::vector<MessageVu> cliquer(int r, int c)
    {
        QModelIndex index = grille()->model()->index(r - 1, c - 1);
        CapteurMessages capteur;
        capteur.pendant = [&] { marque = grille()->model()->data(index, Qt::FontRole).value<QFont>().bold(); };
        QTest::mouseClick(grille()->viewport(), Qt::LeftButton, {}, grille()->visualRect(index).center());
        return capteur.vus;
    }

    bool marque = false;
};

}  // namespace

TEST_F(Tableau, RequeteTypiqueCopieTotalPuisEnAnnees)
{
    controle<QRadioButton>("Option3(2)")->click();
    EXPECT_TRUE(calculer({"10000", "12", "15"}).empty());
    EXPECT_EQ(grille()->model()->headerData(3, Qt::Horizontal).toString(), "15 Mensualités");
    for (int c = 0; c < 4; ++c) {  // each column as wide as its heading needs
        QString titre = grille()->model()->headerData(c, Qt::Horizontal).toString();
        EXPECT_LE(grille()->horizontalHeader()->fontMetrics().horizontalAdvance(titre),
                  grille()->horizontalHeader()->sectionSize(c))
            << titre.toStdString();
    }

    QTest::keyClick(grille(), Qt::Key_C, Qt::ControlModifier);  // nothing selected: the whole table
    QStringList copie = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(copie.size(), 6);  // the headings, then five rates
    EXPECT_EQ(copie[0], "\t12 Mensualités\t13 Mensualités\t14 Mensualités\t15 Mensualités");
    for (const QString& ligne : copie)
        EXPECT_EQ(ligne.count('\t'), 4) << ligne.toStdString();
    EXPECT_EQ(copie[5].section('\t', 0, 1), "5 %\t852,52");
    grille()->selectionModel()->select(QItemSelection(grille()->model()->index(3, 0), grille()->model()->index(4, 0)),
                                       QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(grille(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "\t12 Mensualités\n4,75 %\t851,56\n5 %\t852,52\n");

    auto vus = cliquer(5, 1);
    ASSERT_EQ(vus.size(), 1u);
    EXPECT_EQ(vus[0].texte, "Vous allez rembourser un total de : 10230,24€");
    EXPECT_TRUE(marque);  // marked while the box was open
    EXPECT_FALSE(grille()->model()->index(4, 0).data(Qt::FontRole).value<QFont>().bold());
    controle<QLineEdit>("Text2")->setText("24");  // read afresh at each click
    EXPECT_EQ(cliquer(5, 1).at(0).texte, "Vous allez rembourser un total de : 20460,48€");
    controle<QLineEdit>("Text1")->setText("0.00");  // no amount asked for: clicks show nothing
    EXPECT_TRUE(cliquer(5, 1).empty());

    controle<QRadioButton>("Option2(1)")->click();
    calculer({"10000", "10", "12"});
    EXPECT_EQ(cliquer(5, 1).at(0).texte,
              "Vous allez rembourser un total de : 12333,8€\nLe remboursement mensuel est de : 102,78€");
    calculer({"10000", "2", "240"});  // a larger table: every new cell gets its text
    EXPECT_FALSE(grille()->model()->index(4, 238).data().toString().isEmpty());
}

TEST_F(Tableau, RienACopierNiATotaliserHorsDesCellulesPleines)
{
    QApplication::clipboard()->setText("avant");
    QTest::keyClick(grille(), Qt::Key_C, Qt::ControlModifier);  // no table yet
    EXPECT_EQ(QApplication::clipboard()->text(), "avant");
    EXPECT_TRUE(calculer({"10000", "0", "12"}).empty());  // the count 0 has no repayment
    EXPECT_TRUE(cliquer(1, 1).empty());
    CapteurMessages capteur;
    for (QWidget* surface : {grille()->viewport(), grille()->verticalHeader()->viewport(),
                             static_cast<QWidget*>(grille()->findChild<QAbstractButton*>())})
        QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(5, 5));
    ASSERT_EQ(capteur.vus.size(), 3u);
    EXPECT_EQ(capteur.vus[0].texte + capteur.vus[0].titre, "Pas le bouton droit S.V.P. !Tarvio");
}
