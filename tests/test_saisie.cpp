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
};

TEST_F(Saisie, AccepteChiffresSeparateursEtTouchesQuiNeTapentRien)
{
    CapteurMessages capteur;
    QTest::keyClicks(champ, "-,5.");
    QTest::keyClick(champ, Qt::Key_7, Qt::ShiftModifier);  // French keyboards type digits with Shift
    for (Qt::Key cle : {Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Delete, Qt::Key_End})
        QTest::keyClick(champ, cle);
    EXPECT_EQ(champ->text(), "2-,5.");
    QTest::keyClick(champ, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), controle("Command1"));
    EXPECT_TRUE(capteur.vus.empty());
}

TEST_F(Saisie, RefuseLesAutresCaracteresEtLesRaccourcisDEdition)
{
    QApplication::clipboard()->setText("99");
    champ->selectAll();
    CapteurMessages capteur;
    QTest::keyClicks(champ, "a ");
    QTest::sendKeyEvent(QTest::Click, champ, Qt::Key_unknown, QString("€"), Qt::NoModifier);
    QTest::keyClick(champ, Qt::Key_Return);
    EXPECT_EQ(capteur.vus.size(), 4u);
    EXPECT_EQ(capteur.vus[0].texte, "Seul les chiffres entiers sont permis !");
    EXPECT_EQ(capteur.vus[0].titre, "Montant");
    EXPECT_EQ(capteur.vus[0].icone, QMessageBox::Warning);
    for (Qt::Key cle : {Qt::Key_C, Qt::Key_X, Qt::Key_V, Qt::Key_Z}) {  // exactly one message each
        auto avant = capteur.vus.size();
        QTest::keyClick(champ, cle, Qt::ControlModifier);
        EXPECT_EQ(capteur.vus.size(), avant + 1) << cle;
    }
    QTest::keyClick(champ, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(champ->text(), "12");
    EXPECT_EQ(QApplication::clipboard()->text(), "99");
}

TEST_F(Saisie, CollerOuDeposerNeContournePasLeFiltre)
{
    for (int i = 1; i <= 9; ++i)
        EXPECT_FALSE(controle(QString("Text%1").arg(i))->acceptDrops());
    champ->end(false);
    QApplication::clipboard()->setText("2x");
    champ->paste();  // what the context menu does
    EXPECT_EQ(champ->text(), "12");
    QApplication::clipboard()->setText(",5");
    champ->paste();
    EXPECT_EQ(champ->text(), "12,5");

    auto* combo = controle<QComboBox>("Combo1");  // the rate lists take anything
    combo->setFocus();
    combo->lineEdit()->selectAll();
    CapteurMessages capteur;
    QTest::keyClicks(combo, "abc 5");
    EXPECT_EQ(combo->currentText(), "abc 5");
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo, "1,2");  // no completion to the listed "1,25"
    EXPECT_EQ(combo->currentText(), "1,2");
    EXPECT_TRUE(capteur.vus.empty());
}
