// The whole window under random use, fixed seed and bounded length: texts of
// every kind in the fields and rate lists, options, the three buttons, clicks
// on the grid and printing. Nothing may crash or hang, and no label, cell or
// message may show "nan" or "inf".
#include "fenetre_test.h"

#include "grille.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <iostream>
#include <random>

namespace {

QString texte_au_hasard(std::mt19937& hasard)
{
    static const QStringList morceaux = {"0", "1", "2", "3", "5", "12", "24", "240", ",", ".", "-", "", " ", "a",
                                         "1.2.3", "0.00", "1e300", "1e-300", "99999999999999999999", "é", "€"};
    QString t;
    int n = std::uniform_int_distribution<int>(0, 4)(hasard);
    for (int i = 0; i < n; ++i)
        t += morceaux[std::uniform_int_distribution<int>(0, int(morceaux.size()) - 1)(hasard)];
    return t;
}

bool lisible(const QString& t)
{
    return !t.contains("nan", Qt::CaseInsensitive) && !t.contains("inf", Qt::CaseInsensitive);
}

}  // namespace

TEST_F(FenetreTest, UsageAuHasard)
{
    std::mt19937 hasard(20261206);
    auto tirer = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(hasard); };
    auto* grille = controle<GrilleHypotheses>("MSFlexGrid1");
    CapteurMessages capteur;
    QTemporaryDir dossier;
    capteur.fichier = dossier.filePath("rapport.pdf");  // where there is no printer
    int actions = 0, impressions = 0;
    auto cellules_lisibles = [&] {
        for (int r = 0; r < grille->model()->rowCount(); ++r)
            for (int c = 0; c < grille->model()->columnCount(); ++c)
                if (!lisible(grille->model()->index(r, c).data().toString()))
                    return false;
        return true;
    };

    for (; actions < 600; ++actions) {
        switch (tirer(9)) {
        case 0:
        case 1: controle<QLineEdit>(QString("Text%1").arg(1 + tirer(9)))->setText(texte_au_hasard(hasard)); break;
        case 2: controle<QComboBox>(tirer(2) ? "Combo1" : "Combo2")->setCurrentText(texte_au_hasard(hasard)); break;
        case 3: {
            auto* champ = controle<QLineEdit>(QString("Text%1").arg(1 + tirer(9)));
            champ->setFocus();
            QTest::keyClicks(champ, tirer(2) ? "12,5" : "x-1.");
            break;
        }
        case 4:
            controle<QRadioButton>(tirer(2) ? QString("Option2(%1)").arg(tirer(2)) : QString("Option3(%1)").arg(tirer(3)))
                ->click();
            break;
        case 5:
        case 6:
            QTest::mouseClick(controle(QString("Command%1").arg(1 + tirer(3))), Qt::LeftButton);
            ASSERT_TRUE(cellules_lisibles()) << actions;
            break;
        case 7: {
            QModelIndex i = grille->model()->index(tirer(grille->model()->rowCount()), tirer(grille->model()->columnCount()));
            grille->scrollTo(i);
            QTest::mouseClick(grille->viewport(), tirer(6) ? Qt::LeftButton : Qt::RightButton, {},
                              grille->visualRect(i).center());
            break;
        }
        case 8:
            if (impressions < 6 && tirer(4) == 0) {
                ++impressions;
                controle<QAction>("mnimprim")->trigger();
                QFile::remove(capteur.fichier);
            }
            break;
        }
        for (const char* nom : {"Label10", "Label14"})
            ASSERT_TRUE(lisible(controle<QLabel>(nom)->text())) << actions;
    }
    for (const MessageVu& m : capteur.vus)
        ASSERT_TRUE(lisible(m.texte)) << m.texte.toStdString();
    attendre_file_vide();
    std::cout << actions << " actions, " << capteur.vus.size() << " messages, " << impressions << " impressions\n";
}
