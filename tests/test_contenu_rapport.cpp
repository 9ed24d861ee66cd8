// What the print command reads from the window: every printed line carries
// the caption and the text of the right controls, for each layout.
#include "fenetre_test.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

class ContenuRapport : public FenetreTest {
protected:
    QString texte(const QString& nom) const
    {
        if (auto* label = fenetre->findChild<QLabel*>(nom))
            return label->text();
        if (auto* liste = fenetre->findChild<QComboBox*>(nom))
            return liste->currentText();
        return controle<QLineEdit>(nom)->text();
    }
    // A caption and its box as the report joins them.
    QString paire(const QString& legende, const QString& champ) const { return texte(legende) + " : " + texte(champ); }

    QStringList hypotheses() const
    {
        return {paire("Label1", "Text1"), paire("Label2", "Text2") + " " + paire("Label5", "Text3"),
                paire("Label3", "Combo1") + " " + paire("Label4", "Combo2")};
    }
    QStringList mensualites() const
    {
        return {paire("Label6", "Text4"), paire("Label7", "Text5") + "% " + paire("Label9", "Text6")};
    }
    QStringList taux() const
    {
        return {paire("Label11", "Text7"), paire("Label12", "Text8") + " " + paire("Label13", "Text9")};
    }

    // The report's text lines, and what each operation is, in order ("T" a text, "12" a size ...).
    void composer()
    {
        lignes.clear(), suite.clear();
        rapport::Impression impression = rapport::composer(fenetre->contenu_du_rapport());
        for (const rapport::Operation& op : impression.operations) {
            if (auto* t = std::get_if<rapport::Texte>(&op)) {
                lignes << QString::fromStdString(t->texte).split("\r\n");
                suite << "T";
            } else if (auto* taille = std::get_if<rapport::Taille>(&op)) {
                suite << QString::number(taille->points);
            } else if (auto* o = std::get_if<rapport::Orientation>(&op)) {
                suite << (o->paysage ? "paysage" : "portrait");
            } else if (std::holds_alternative<rapport::Image>(op)) {
                suite << "image";
            }
        }
    }

    QStringList lignes, suite;
};

}  // namespace

TEST_F(ContenuRapport, ChaqueLignePorteLesBonsControles)
{
    CapteurMessages capteur;
    // Every box a text of its own; 7 periods make 8 columns: landscape.
    remplir_les_cases({"10001", "12", "18", "10004", "5", "206", "10007", "208", "60"});
    QTest::mouseClick(controle("Command1"), Qt::LeftButton);
    QTest::mouseClick(controle("Command3"), Qt::LeftButton);
    QTest::mouseClick(controle("Command2"), Qt::LeftButton);
    ASSERT_FALSE(texte("Label10").isEmpty() || texte("Label14").isEmpty());

    composer();
    QStringList complet = {lignes.value(0), ""};
    complet << mensualites() << QString(122, '-') << texte("Label10") << QString(62, '=') << "" << taux()
            << QString(124, '-') << texte("Label14") << QString(62, '=') << "" << hypotheses() << "";
    EXPECT_EQ(lignes, complet);
    EXPECT_EQ(suite.mid(0, 3), QStringList({"12", "paysage", "T"}));

    controle<QLineEdit>("Text7")->setText("0");
    controle<QLineEdit>("Text4")->setText("0");
    composer();
    EXPECT_EQ(lignes, hypotheses() << "");
    EXPECT_EQ(suite, QStringList({"paysage", "image", "T"}));  // the printer's own size

    controle<QLineEdit>("Text1")->setText("0.00");
    controle<QLineEdit>("Text4")->setText("10004");
    composer();
    EXPECT_EQ(lignes, mensualites() << "" << texte("Label10"));
    EXPECT_EQ(suite, QStringList({"T", "12", "T"}));  // only the result at 12 points

    controle<QLineEdit>("Text4")->setText("0");
    controle<QLineEdit>("Text7")->setText("10007");
    composer();
    EXPECT_EQ(lignes, taux() << "" << texte("Label14") << "");
    EXPECT_EQ(suite, QStringList({"T", "12", "T"}));

    controle<QLineEdit>("Text7")->setText("0");
    controle<QLineEdit>("Text1")->setText("0");  // a lone 0 is not the start-up "0.00"
    composer();
    EXPECT_EQ(lignes.value(0), paire("Label1", "Text1"));
}
