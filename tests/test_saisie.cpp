// The key filter of the nine number fields.
#include "fenetre_test.h"

#include "filtre_touches.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>

TEST(ToucheValide, ChiffresSeparateursMoinsEtRetourArriere)
{
    QString acceptes;
    for (int code = -1; code < 300; ++code)
        if (touche_valide(code))
            acceptes += code == 8 ? QChar('B') : QChar(code);
    EXPECT_EQ(acceptes, "B,-.0123456789");
}

class Saisie : public FenetreTest {
protected:
    void SetUp() override
    {
        FenetreTest::SetUp();
        champ = controle<QLineEdit>("Text1");
        champ->setText("12");
        champ->setFocus();
    }
    QLineEdit* champ = nullptr;
    CapteurMessages capteur;
};

TEST_F(Saisie, AccepteChiffresEtTouchesQuiNeTapentRien)
{
    QTest::keyClicks(champ, "-,5.");
    QTest::keyClick(champ, Qt::Key_7, Qt::ShiftModifier);  // French keyboards type digits with Shift
    for (Qt::Key cle : {Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Delete})
        QTest::keyClick(champ, cle);
    EXPECT_EQ(champ->text(), "2-,5.");
    EXPECT_TRUE(capteur.vus.empty());
}

TEST_F(Saisie, RefuseLeResteParToucheCollageOuDepot)
{
    QApplication::clipboard()->setText("2x");
    champ->selectAll();
    QTest::keyClicks(champ, "a ");
    QTest::keyClick(champ, Qt::Key_Return);
    ASSERT_EQ(capteur.vus.size(), 3u);
    EXPECT_EQ(capteur.vus[0].texte + " / " + capteur.vus[0].titre, "Seul les chiffres entiers sont permis ! / Montant");
    EXPECT_EQ(capteur.vus[0].icone, QMessageBox::Warning);
    for (Qt::Key cle : {Qt::Key_C, Qt::Key_X, Qt::Key_V, Qt::Key_Z})  // exactly one message each
        QTest::keyClick(champ, cle, Qt::ControlModifier);
    EXPECT_EQ(capteur.vus.size(), 7u);
    EXPECT_EQ(champ->text(), "12");

    EXPECT_FALSE(champ->acceptDrops());
    champ->end(false);
    champ->paste();  // what the context menu does
    EXPECT_EQ(champ->text(), "12");
    QApplication::clipboard()->setText(",5");
    champ->paste();
    EXPECT_EQ(champ->text(), "12,5");
}

TEST_F(Saisie, LesListesDeTauxPrennentToutSansCompleter)
{
    auto* combo = controle<QComboBox>("Combo1");
    combo->setFocus();
    for (QString texte : {"abc 5", "1,2"}) {  // no filter, and no completion to the listed "1,25"
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, texte);
        EXPECT_EQ(combo->currentText(), texte);
    }
    EXPECT_TRUE(capteur.vus.empty());
}
