// What the print command reads from the window: each field of the report
// holds the caption and the text of the right controls. How the fields are
// laid out is settled in test_rapport.cpp.
#include "fenetre_test.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

class ContenuRapport : public FenetreTest {
protected:
    std::string texte(const QString& nom) const
    {
        if (auto* label = fenetre->findChild<QLabel*>(nom))
            return label->text().toStdString();
        if (auto* liste = fenetre->findChild<QComboBox*>(nom))
            return liste->currentText().toStdString();
        return controle<QLineEdit>(nom)->text().toStdString();
    }
    rapport::Champ champ(const char* legende, const char* valeur) const { return {texte(legende), texte(valeur)}; }
};

}  // namespace

TEST_F(ContenuRapport, ChaqueChampVientDuBonControle)
{
    CapteurMessages capteur;
    // Every box a text of its own; 7 periods make 8 columns.
    remplir_les_cases({"10001", "12", "18", "10004", "5", "206", "10007", "208", "60"});
    for (const char* bouton : {"Command1", "Command2", "Command3"})
        QTest::mouseClick(controle(bouton), Qt::LeftButton);

    rapport::Fenetre f = fenetre->contenu_du_rapport();
    const rapport::Hypotheses& h = f.hypotheses;
    EXPECT_EQ(h.montant, champ("Label1", "Text1"));
    EXPECT_EQ(h.duree_mini, champ("Label2", "Text2"));
    EXPECT_EQ(h.duree_maxi, champ("Label5", "Text3"));
    EXPECT_EQ(h.taux_mini, champ("Label3", "Combo1"));
    EXPECT_EQ(h.taux_maxi, champ("Label4", "Combo2"));
    EXPECT_EQ(h.nb_colonnes, 8);
    const rapport::Mensualites& m = f.mensualites;
    EXPECT_EQ(m.montant, champ("Label6", "Text4"));
    EXPECT_EQ(m.taux, champ("Label7", "Text5"));
    EXPECT_EQ(m.echeance, champ("Label9", "Text6"));
    EXPECT_EQ(m.resultat, texte("Label10"));
    const rapport::Taux& t = f.taux;
    EXPECT_EQ(t.montant, champ("Label11", "Text7"));
    EXPECT_EQ(t.echeance, champ("Label12", "Text8"));
    EXPECT_EQ(t.nombre, champ("Label13", "Text9"));
    EXPECT_EQ(t.resultat, texte("Label14"));
    EXPECT_TRUE(!m.resultat.empty() && !t.resultat.empty());
    EXPECT_TRUE(h.utilise && m.utilise && t.utilise);
}

// A calculator is used once its amount box differs from its start-up text in any way.
TEST_F(ContenuRapport, UtiliseSelonLeTexteDeDepart)
{
    auto utilises = [this] {
        rapport::Fenetre f = fenetre->contenu_du_rapport();
        return QString("%1%2%3").arg(f.hypotheses.utilise).arg(f.mensualites.utilise).arg(f.taux.utilise);
    };
    EXPECT_EQ(utilises(), "000");
    controle<QLineEdit>("Text1")->setText("0");  // a lone 0 is not "0.00"
    controle<QLineEdit>("Text7")->setText("0.0");
    EXPECT_EQ(utilises(), "101");
    controle<QLineEdit>("Text1")->setText("0.00");
    controle<QLineEdit>("Text4")->setText("");
    EXPECT_EQ(utilises(), "011");
}
