// The number of instalments and the rate through the window.
#include "fenetre_test.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

class Calculs : public FenetreTest {
protected:
    void remplir(int premier, const QStringList& textes)
    {
        for (int i = 0; i < 3; ++i)
            controle<QLineEdit>(QString("Text%1").arg(premier + i))->setText(textes[i]);
    }
    QStringList boites(int premier)
    {
        QStringList t;
        for (int i = 0; i < 3; ++i)
            t << controle<QLineEdit>(QString("Text%1").arg(premier + i))->text();
        return t;
    }
    std::vector<MessageVu> presser(const char* bouton)
    {
        CapteurMessages capteur;
        capteur.pendant = [&] { legende_pendant = controle<QLabel>("Label14")->text(); };
        QTest::mouseClick(controle(bouton), Qt::LeftButton);
        return capteur.vus;
    }
    QString legende_pendant;
};

}  // namespace

TEST_F(Calculs, NombreDeMensualitesPuisCriteresIncoherents)
{
    auto* label10 = controle<QLabel>("Label10");
    remplir(4, {"10000", "5", "200"});
    EXPECT_TRUE(presser("Command3").empty());
    EXPECT_EQ(label10->text(), "Nombre de Mensualités : 57 mois");
    EXPECT_TRUE(label10->isVisible());

    remplir(4, {"10000", "5", "41"});
    EXPECT_EQ(presser("Command3").size(), 1u);
    EXPECT_EQ(label10->text(), "");
    EXPECT_EQ(boites(4), QStringList({"0", "0.00", "0"}));
}

TEST_F(Calculs, TauxSesNotesEtSesRefus)
{
    auto* label14 = controle<QLabel>("Label14");
    controle<QRadioButton>("Option3(2)")->click();
    remplir(7, {"10000", "200", "60"});
    presser("Command2");
    EXPECT_EQ(label14->text(), "Taux à : 7,42 %");

    controle<QRadioButton>("Option2(1)")->click();  // the note comes before the result
    remplir(7, {"10000", "875", "12"});
    controle<QRadioButton>("Option3(0)")->click();
    auto vus = presser("Command2");
    ASSERT_EQ(vus.size(), 1u);
    EXPECT_EQ(vus[0].texte, "Résultat pour un calcul basé sur\n des données exprimées en MOIS !");
    EXPECT_EQ(legende_pendant, "Taux à : 7,42 %");
    EXPECT_EQ(label14->text(), "Taux à : 5,00 %");

    remplir(7, {"10000", "150", "60"});  // a negative rate keeps the last result
    EXPECT_EQ(presser("Command2").size(), 1u);
    EXPECT_EQ(label14->text(), "Taux à : 5,00 %");
    EXPECT_EQ(boites(7), QStringList({"0", "0", "0"}));
}

TEST_F(Calculs, InteretsComposesRamenentAuxInteretsSimples)
{
    controle<QRadioButton>("Option3(1)")->click();
    EXPECT_EQ(fenetre->choix_formule, 1);
    remplir(7, {"10000", "200", "60"});
    auto vus = presser("Command2");
    ASSERT_EQ(vus.size(), 1u);
    EXPECT_EQ(vus[0].texte, "rien n'est prévu pour cette option");
    EXPECT_TRUE(controle<QRadioButton>("Option3(0)")->isChecked());
    EXPECT_EQ(fenetre->choix_formule, 0);
    EXPECT_EQ(boites(7), QStringList({"0", "0", "0"}));
    EXPECT_EQ(controle<QLabel>("Label14")->text(), "");
}
