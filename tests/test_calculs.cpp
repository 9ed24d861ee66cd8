// The two calculators through the window: what the pure results become on
// screen (captions, visibility, resets, the formula buttons, message order).
#include "fenetre_test.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

class Calculs : public FenetreTest {
protected:
    // Fills the three boxes from `premier` on, presses `bouton`, and gives the boxes' texts after.
    QStringList presser(const char* bouton, int premier, const QStringList& textes)
    {
        for (int i = 0; i < 3; ++i)
            controle<QLineEdit>(QString("Text%1").arg(premier + i))->setText(textes[i]);
        CapteurMessages capteur;
        capteur.pendant = [&] { legende_pendant = legende("Label14"); };
        QTest::mouseClick(controle(bouton), Qt::LeftButton);
        vus = capteur.vus;
        QStringList apres;
        for (int i = 0; i < 3; ++i)
            apres << controle<QLineEdit>(QString("Text%1").arg(premier + i))->text();
        return apres;
    }
    QString legende(const char* label) { return controle<QLabel>(label)->text(); }
    std::vector<MessageVu> vus;
    QString legende_pendant;
};

}  // namespace

TEST_F(Calculs, MensualitesPuisTauxNoteAvantResultat)
{
    presser("Command3", 4, {"10000", "5", "200"});
    EXPECT_EQ(legende("Label10"), "Nombre de Mensualités : 57 mois");
    EXPECT_TRUE(controle("Label10")->isVisible());
    EXPECT_EQ(presser("Command3", 4, {"10000", "5", "41"}), QStringList({"0", "0.00", "0"}));
    EXPECT_EQ(legende("Label10"), "");

    controle<QRadioButton>("Option3(2)")->click();
    presser("Command2", 7, {"10000", "200", "60"});
    EXPECT_EQ(legende("Label14"), "Taux à : 7,42 %");

    controle<QRadioButton>("Option2(1)")->click();
    controle<QRadioButton>("Option3(0)")->click();
    presser("Command2", 7, {"10000", "875", "12"});
    ASSERT_EQ(vus.size(), 1u);
    EXPECT_EQ(legende_pendant, "Taux à : 7,42 %");  // the note comes first
    EXPECT_EQ(legende("Label14"), "Taux à : 5,00 %");

    controle<QRadioButton>("Option3(1)")->click();
    EXPECT_EQ(presser("Command2", 7, {"10000", "200", "60"}), QStringList({"0", "0", "0"}));
    EXPECT_EQ(vus.at(0).texte, "rien n'est prévu pour cette option");
    EXPECT_EQ(fenetre->choix_formule(), 0);
    EXPECT_TRUE(controle<QRadioButton>("Option3(0)")->isChecked());
}

// A calculator that refuses puts its own three boxes back to their start-up texts, and no other box.
TEST_F(Calculs, LaRemiseAZeroNeToucheQueSesTroisCases)
{
    const QStringList saisie = {"11", "12", "13", "10000", "5", "41", "10000", "150", "60"};
    CapteurMessages capteur;
    remplir_les_cases(saisie);
    QStringList attendu = textes_des_cases();
    attendu[3] = "0", attendu[4] = "0.00", attendu[5] = "0";
    QTest::mouseClick(controle("Command3"), Qt::LeftButton);  // 41 a month never repays
    EXPECT_EQ(textes_des_cases(), attendu);

    remplir_les_cases(saisie);
    attendu = textes_des_cases();
    attendu[6] = attendu[7] = attendu[8] = "0";
    QTest::mouseClick(controle("Command2"), Qt::LeftButton);  // repays less than it borrows
    EXPECT_EQ(textes_des_cases(), attendu);
}
