// The capacity window: from the Crédit menu, answered as the household types, its loan added
// to the comparison in one click.
#include "fenetre_test.h"

#include "calc/nombres.h"
#include "credit/capacite.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableView>

TEST_F(FenetreTest, CapaciteRepondEnTapantEtDevientUneOffre)
{
    controle<QAction>("mncapacite")->trigger();
    auto* capacite = fenetre->findChild<QWidget*>("Capacite");
    ASSERT_TRUE(capacite && capacite->isVisible());
    EXPECT_EQ(capacite->findChild<QLineEdit*>("endettement")->text(), "35");
    EXPECT_FALSE(capacite->findChild<QPushButton*>("ajouter_comparaison")->isEnabled());
    capacite->findChild<QLineEdit*>("revenu_mensuel")->setText("5 000 €");  // as a payslip writes it
    for (auto [nom, texte] : {std::pair{"charges_mensuelles", "300"}, {"taux", "3,5"}, {"duree", "25"},
                              {"taux_assurance", "0,3"}, {"montant", "400000"}})
        QTest::keyClicks(capacite->findChild<QLineEdit*>(nom), texte);
    auto attendu = credit::capacite({.revenu_mensuel = 5000,
                                     .charges_mensuelles = 300,
                                     .taux_annuel = 0.035,
                                     .nb_echeances = 300,
                                     .taux_assurance = 0.003});
    ASSERT_TRUE(attendu);
    QStringList lignes = capacite->findChild<QLabel*>("resultat")->text().split('\n');
    ASSERT_EQ(lignes.size(), 4);
    QString montant = QString::fromStdString(calc::montant(attendu->montant));
    montant.chop(3);
    EXPECT_EQ(lignes[0], "Montant maximal : " + montant + " €");
    EXPECT_EQ(lignes[2], "Reste à vivre : " + QString::fromStdString(calc::euros(attendu->reste_a_vivre)) + " par mois");
    EXPECT_TRUE(lignes[3].startsWith("Durée nécessaire pour 400 000,00 € : ")) << lignes[3].toStdString();

    QTest::mouseClick(capacite->findChild<QPushButton*>("ajouter_comparaison"), Qt::LeftButton);
    auto* comparaison = fenetre->findChild<QMainWindow*>("Comparaison");
    ASSERT_TRUE(comparaison);
    auto* modele = comparaison->findChild<QTableView*>("comparaison")->model();
    ASSERT_EQ(modele->columnCount(), 1);
    EXPECT_EQ(modele->index(0, 0).data().toString(), QString::fromStdString(calc::euros(attendu->montant)));
    CapteurMessages capteur;
    capteur.reponse = QMessageBox::Discard;
    comparaison->close();
}
