// The calculators through the window: what the pure results become on screen
// (captions, visibility, resets, the option buttons, message order), and what
// the print command reads from the controls (laid out in test_rapport.cpp).
#include "fenetre_test.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

class Calculs : public FenetreTest {
protected:
    // Fills the three boxes from `premier` on and presses `bouton`.
    void presser(const char* bouton, int premier, const QStringList& textes)
    {
        for (int i = 0; i < 3; ++i)
            controle<QLineEdit>(QString("Text%1").arg(premier + i))->setText(textes[i]);
        CapteurMessages capteur;
        capteur.pendant = [&] { legende_pendant = texte("Label14"); };
        QTest::mouseClick(controle(bouton), Qt::LeftButton);
        vus = capteur.vus;
    }
    // What a label, a rate list or a box shows.
    QString texte(const QString& nom) const
    {
        QWidget* w = controle(nom);
        return w->property(qobject_cast<QComboBox*>(w) ? "currentText" : "text").toString();
    }
    std::vector<MessageVu> vus;
    QString legende_pendant;
};

using ContenuRapport = Calculs;

}  // namespace

TEST_F(Calculs, MensualitesPuisTauxNoteAvantResultat)
{
    EXPECT_TRUE(controle("Label10")->isHidden());
    presser("Command3", 4, {"10000", "5", "200"});
    EXPECT_EQ(texte("Label10"), "Nombre de Mensualités : 57 mois");
    EXPECT_TRUE(controle("Label10")->isVisible());
    presser("Command3", 4, {"10000", "5", "41"});
    EXPECT_EQ(texte("Label10"), "");

    presser("Command2", 7, {"10000", "200", "60"});
    EXPECT_EQ(texte("Label14"), "Taux à : 4,00 %");
    controle<QRadioButton>("Option2(1)")->click();
    EXPECT_EQ(controle<QGroupBox>("Frame5")->title(), "Calcul du taux d'intéret - ATTENTION : Uniquement en mois !");
    presser("Command2", 7, {"10000", "875", "12"});
    ASSERT_EQ(vus.size(), 1u);
    EXPECT_EQ(legende_pendant, "Taux à : 4,00 %");  // the note comes first
    EXPECT_EQ(texte("Label14"), "Taux à : 5,00 %");

    controle<QRadioButton>("Option3(1)")->click();
    presser("Command2", 7, {"10000", "200", "60"});
    EXPECT_EQ(vus.at(0).texte, "rien n'est prévu pour cette option");
    EXPECT_EQ(fenetre->choix_formule(), 0);
    EXPECT_TRUE(controle<QRadioButton>("Option3(0)")->isChecked());
    EXPECT_TRUE(controle<QRadioButton>("Option2(1)")->isChecked());  // the option groups are independent
}

// A refusal empties, or puts back to their start-up texts, its own boxes and no others.
TEST_F(Calculs, UnRefusDuTableauOuDUnCalculNeVideQueSesCases)
{
    auto cases = [this] {
        QStringList textes;
        for (int i = 1; i <= 11; ++i)
            textes << texte(i <= 9 ? QString("Text%1").arg(i) : QString("Combo%1").arg(i - 9));
        return textes.join(' ');
    };
    CapteurMessages capteur;
    // clang-format off
    for (auto [mini, maxi, bouton, apres] : {
             std::tuple{"3", "36", "Command1", " 3 36 10000 5 41 10000 150 60 4 5"},  // too wide a span
             {"15", "12", "Command1", "10000   10000 5 41 10000 150 60 4 5"},  // periods out of order
             {"12", "15", "Command3", "10000 12 15 0 0.00 0 10000 150 60 4 5"},  // 41 a month never repays
             {"12", "15", "Command2", "10000 12 15 10000 5 41 0 0 0 4 5"}}) {  // repays less than it borrows
        // clang-format on
        remplir_les_cases({"10000", mini, maxi, "10000", "5", "41", "10000", "150", "60"});
        QTest::mouseClick(controle(bouton), Qt::LeftButton);
        EXPECT_EQ(cases(), apres) << bouton;
    }
    EXPECT_EQ(fenetre->flag_erreur(), "4");
}

TEST_F(ContenuRapport, ChaqueChampVientDuBonControle)
{
    CapteurMessages capteur;
    // Every box a text of its own; 7 periods make 8 columns.
    remplir_les_cases({"10001", "12", "18", "10004", "5", "206", "10007", "208", "60"});
    for (const char* bouton : {"Command1", "Command2", "Command3"})
        QTest::mouseClick(controle(bouton), Qt::LeftButton);

    const auto [h, m, t, date] = fenetre->contenu_du_rapport();
    // clang-format off
    const std::pair<rapport::Champ, QString> champs[] = {
        {h.montant, "Label1 Text1"}, {h.duree_mini, "Label2 Text2"}, {h.duree_maxi, "Label5 Text3"},
        {h.taux_mini, "Label3 Combo1"}, {h.taux_maxi, "Label4 Combo2"}, {m.montant, "Label6 Text4"},
        {m.taux, "Label7 Text5"}, {m.echeance, "Label9 Text6"}, {t.montant, "Label11 Text7"},
        {t.echeance, "Label12 Text8"}, {t.nombre, "Label13 Text9"}, {{m.resultat, t.resultat}, "Label10 Label14"}};
    // clang-format on
    for (const auto& [champ, noms] : champs)
        EXPECT_EQ(QString::fromStdString(champ.legende + " " + champ.valeur),
                  texte(noms.section(' ', 0, 0)) + " " + texte(noms.section(' ', 1, 1)));
    EXPECT_TRUE(!m.resultat.empty() && !t.resultat.empty());
    EXPECT_EQ(h.nb_colonnes, 8);
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
