// The key filter of the nine number fields, and the rate lists that take any text.
#include "fenetre_test.h"

#include "principale/filtre_touches.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>

using Saisie = FenetreTest;

TEST_F(Saisie, SeulsChiffresEtSeparateursParToucheCollageOuDepot)
{
    QString acceptes;
    for (int code = -1; code < 300; ++code)
        if (touche_valide(code))
            acceptes += code == 8 ? QChar('B') : QChar(code);
    EXPECT_EQ(acceptes, "B,-.0123456789");

    auto* champ = controle<QLineEdit>("Text1");
    champ->setText("12");
    champ->setFocus();
    CapteurMessages capteur;
    QTest::keyClicks(champ, "-,5.");
    QTest::keyClick(champ, Qt::Key_7, Qt::ShiftModifier);  // French keyboards type digits with Shift
    QTest::keyClick(champ, Qt::Key_Backspace);
    QTest::keyClick(champ, Qt::Key_Home);
    QKeyEvent suppr(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, "\x7F");  // as X11 sends it
    QApplication::sendEvent(champ, &suppr);
    EXPECT_EQ(champ->text(), "2-,5.");
    EXPECT_TRUE(capteur.vus.empty());

    QApplication::clipboard()->setText("2x");
    champ->setText("12");
    champ->selectAll();
    QTest::keyClicks(champ, "a ");
    ASSERT_EQ(capteur.vus.size(), 2u);
    EXPECT_EQ(capteur.vus[0].texte + " / " + capteur.vus[0].titre, "Seul les chiffres entiers sont permis ! / Montant");
    EXPECT_EQ(capteur.vus[0].icone, QMessageBox::Warning);
    for (Qt::Key cle : {Qt::Key_C, Qt::Key_X, Qt::Key_V, Qt::Key_Z})  // exactly one message each
        QTest::keyClick(champ, cle, Qt::ControlModifier);
    EXPECT_EQ(capteur.vus.size(), 6u);
    EXPECT_EQ(champ->text(), "12");

    EXPECT_FALSE(champ->acceptDrops());
    champ->end(false);
    champ->paste();  // what the context menu does
    EXPECT_EQ(champ->text(), "12");
}

TEST_F(Saisie, LesListesDeTauxPrennentToutSansCompleter)
{
    CapteurMessages capteur;
    auto* combo = controle<QComboBox>("Combo1");
    EXPECT_EQ(combo->itemText(1) + " " + combo->itemText(combo->count() - 1) + " " + combo->currentText(),
              "1,25 25 Mini");  // listed, none chosen
    combo->setFocus();
    for (QString texte : {"abc 5", "1,2"}) {  // no filter, and no completion to the listed "1,25"
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, texte);
        EXPECT_EQ(combo->currentText(), texte);
    }
    EXPECT_TRUE(capteur.vus.empty());
}
