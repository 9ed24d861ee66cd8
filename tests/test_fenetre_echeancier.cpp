// The schedule window: where it starts from, live updates, refusals, export.
#include "fenetre_test.h"

#include "echeancier/fenetre_echeancier.h"
#include "principale/grille.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>

#include <tuple>

namespace {

class Echeancier : public FenetreTest {
protected:
    QWidget* ouvrir()
    {
        controle<QAction>("mnecheancier")->trigger();
        return fenetre->findChild<FenetreEcheancier*>("Echeancier");
    }
    template <typename T = QLineEdit>
    T* dans(QWidget* e, const char* nom)
    {
        auto* w = e->findChild<T*>(nom);
        if (!w)
            ADD_FAILURE() << "no control " << nom;
        return w;
    }
    static QString cellule(QWidget* e, int r, int c)
    {
        return e->findChild<QTableView*>("tableau")->model()->index(r, c).data().toString();
    }
    static int lignes(QWidget* e) { return e->findChild<QTableView*>("tableau")->model()->rowCount(); }

    // A table of 4 % to 5 % over 12 to 15 months, with the cell of 5 % and 12 months clicked.
    void cliquer_une_case(const char* formule)
    {
        controle<QRadioButton>(formule)->click();
        remplir_les_cases({"10000", "12", "15"});
        CapteurMessages capteur;
        QTest::mouseClick(controle("Command1"), Qt::LeftButton);
        auto* grille = controle<GrilleHypotheses>("MSFlexGrid1");
        QModelIndex cinq_pour_cent = grille->model()->index(4, 0);
        QTest::mouseClick(grille->viewport(), Qt::LeftButton, {}, grille->visualRect(cinq_pour_cent).center());
        case_ = cinq_pour_cent.data().toString().trimmed();
    }
    QString case_;
};

}  // namespace

TEST_F(Echeancier, PartDeLaCaseCliqueeUneSeuleFenetre)
{
    cliquer_une_case("Option3(2)");
    QWidget* e = ouvrir();
    ASSERT_TRUE(e && e->isVisible());
    EXPECT_EQ(dans(e, "montant")->text() + "|" + dans(e, "taux")->text() + "|" + dans(e, "nombre")->text(),
              "10000|5|12");
    EXPECT_EQ(dans<QComboBox>(e, "moment")->currentText(), "en début de période");
    EXPECT_EQ(cellule(e, 0, 1) + " €", case_);  // the table's "constant instalments" figure
    EXPECT_EQ(dans<QLabel>(e, "etat")->text(), "");
    EXPECT_EQ(ouvrir(), e);
    fenetre->close();
    EXPECT_FALSE(e->isVisible());
}

TEST_F(Echeancier, AutreFormuleUneNoteSinonLeDernierCalcul)
{
    cliquer_une_case("Option3(0)");
    CapteurMessages capteur;
    remplir_les_cases({"10000", "12", "15", "20000", "5", "400"});
    QTest::mouseClick(controle("Command3"), Qt::LeftButton);  // the latest calculation wins
    QWidget* e = ouvrir();
    EXPECT_EQ(dans(e, "montant")->text() + "|" + dans(e, "taux")->text() + "|" + dans(e, "nombre")->text(),
              "20000|5|57");
    e->close();  // kept, and started afresh from the next calculation

    QTest::mouseClick(controle<GrilleHypotheses>("MSFlexGrid1")->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
    e = ouvrir();
    EXPECT_TRUE(dans<QLabel>(e, "etat")->text().contains("méthode des annuités"));
    EXPECT_EQ(dans<QComboBox>(e, "moment")->currentText(), "en fin de période");
}

TEST_F(Echeancier, RecalculeEnTapantEtDitCeQuiNeVaPas)
{
    QWidget* e = ouvrir();
    EXPECT_EQ(dans(e, "montant")->text(), "");  // nothing computed yet, and no error before anything is typed
    EXPECT_EQ(lignes(e), 0);
    EXPECT_EQ(dans<QLabel>(e, "etat")->text(), "À remplir : Montant emprunté, Taux annuel, Nombre d'échéances.");
    EXPECT_EQ(dans<QLabel>(e, "etat")->palette().color(QPalette::WindowText), QColor(Qt::black));
    dans(e, "montant")->setText("200\u00a0000 €");  // pasted from an offer
    dans(e, "taux")->setText("3 %");
    QTest::keyClicks(dans(e, "nombre"), "300");
    EXPECT_EQ(cellule(e, 0, 1), "948,42");
    QTest::keyClicks(dans(e, "taux_assurance"), "0,3");
    EXPECT_EQ(cellule(e, 0, 5), "998,42");
    EXPECT_EQ(dans<QLabel>(e, "taeg")->text(), "3,53 %");

    for (const char* faux : {"abc", "-", "1,2,3", "1e308", "-5"}) {
        dans(e, "montant")->setText(faux);
        EXPECT_TRUE(dans<QLabel>(e, "etat")->text().startsWith("Montant emprunté : ")) << faux;
        EXPECT_EQ(lignes(e), 0);
        EXPECT_EQ(dans<QLabel>(e, "taeg")->text(), "—");
        EXPECT_EQ(dans(e, "montant")->text(), faux);  // what was typed stays
    }
    dans(e, "montant")->setText("200000");
    dans(e, "nombre")->setText("1201");
    EXPECT_TRUE(dans<QLabel>(e, "etat")->text().startsWith("Nombre d'échéances : "));
    dans(e, "nombre")->setText("480");
    EXPECT_EQ(lignes(e), 480);
    EXPECT_EQ(dans(e, "duree")->text(), "40");  // the count in years, and typed in years
    dans(e, "duree")->clear();
    QTest::keyClicks(dans(e, "duree"), "12,5");
    EXPECT_EQ(dans(e, "nombre")->text(), "150");
    EXPECT_EQ(lignes(e), 150);
}

// Each item of each list, chosen by its caption, sends its own value: 12 000 € at 12 % over 12
// periods, insurance 1,2 % a year. The first lines tell the period's rate, the timing, the
// amortisation and the insurance's base; a list reordered without its values would fail.
TEST_F(Echeancier, ChaqueChoixDesListesDonneSaValeur)
{
    QWidget* e = ouvrir();
    for (auto [nom, texte] :
         {std::pair{"montant", "12000"}, {"taux", "12"}, {"nombre", "12"}, {"taux_assurance", "1,2"}})
        dans(e, nom)->setText(texte);
    // clang-format off
    const std::tuple<const char*, const char*, int, int, const char*> cas[] = {
        // list, item, then a cell (line and column from 0) and what it shows
        {"periodicite", "trimestres", 0, 2, "360,00"}, {"periodicite", "ans", 0, 2, "1 440,00"},
        {"periodicite", "mois", 0, 2, "120,00"},
        {"moment", "en début de période", 0, 2, "0,00"}, {"moment", "en fin de période", 0, 2, "120,00"},
        {"amortissement", "capital constant", 1, 3, "1 000,00"},
        {"amortissement", "échéances constantes", 1, 3, "955,65"},  // 1 066,19 less 110,54 of interest
        {"base_assurance", "le capital restant dû", 1, 4, "11,05"},  // 0,1 % of 11 053,81
        {"base_assurance", "le capital initial", 1, 4, "12,00"}};
    // clang-format on
    for (auto [liste, choix, ligne, colonne, attendu] : cas) {
        auto* l = dans<QComboBox>(e, liste);
        ASSERT_GE(l->findText(choix), 0) << choix;
        l->setCurrentIndex(l->findText(choix));
        EXPECT_EQ(cellule(e, ligne, colonne), attendu) << liste << " " << choix;
    }
}

TEST_F(Echeancier, ExporteUnCsvPourUnTableur)
{
    QWidget* e = ouvrir();
    dans(e, "montant")->setText("1000");
    dans(e, "taux")->setText("3,45");
    dans(e, "nombre")->setText("12");
    QTemporaryDir dossier;
    CapteurMessages capteur;
    capteur.fichier = dossier.filePath("pret");  // ".csv" is added
    QTest::mouseClick(dans<QPushButton>(e, "exporter"), Qt::LeftButton);
    QFile csv(dossier.filePath("pret.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    QList<QByteArray> lignes = csv.readAll().split('\n');
    EXPECT_TRUE(lignes.at(0).startsWith("\xEF\xBB\xBFN°;Échéance;"));
    EXPECT_EQ(lignes.at(1), "1;84,90;2,88;82,02;0,00;84,90;917,98\r");  // 2,875 € of interest, rounded up
    EXPECT_EQ(lignes.size(), 14);
    EXPECT_TRUE(capteur.vus.empty());
}

// An early repayment typed through its dialog: the table runs with it, the line it follows
// marked, dated; its totals beside the contract's (tests/reference/evenements/attendu.txt,
// "Réduire la durée"). An event the loan cannot have is named and stays in the list.
TEST_F(Echeancier, UnRemboursementAnticipeSesLignesEtSonGain)
{
    QWidget* e = ouvrir();
    for (auto [nom, texte] : {std::pair{"montant", "250000"}, {"taux", "3,6"}, {"nombre", "240"},
                              {"taux_assurance", "0,3"}, {"frais_dossier", "1000"}, {"frais_garantie", "3000"},
                              {"premiere_echeance", "31/01/2027"}})
        dans(e, nom)->setText(texte);
    EXPECT_FALSE(dans<QWidget>(e, "avec_evenements")->isVisibleTo(e));
    CapteurMessages capteur;
    QString apres = "84";
    capteur.dialogue = [&](QDialog* d) {
        d->findChild<QLineEdit*>("apres_echeance")->setText(apres);
        d->findChild<QLineEdit*>("montant")->setText("30000");
        d->accept();
    };
    QTest::mouseClick(dans<QPushButton>(e, "ajouter_evenement"), Qt::LeftButton);
    EXPECT_TRUE(dans<QWidget>(e, "avec_evenements")->isVisibleTo(e));
    EXPECT_EQ(dans<QLabel>(e, "gain_net")->text(), "17 129,25 €");
    EXPECT_EQ(dans<QLabel>(e, "evenements_indemnites")->text(), "540,00 €");
    EXPECT_EQ(dans<QLabel>(e, "evenements_cout_total")->text(), "102 937,45 €");
    EXPECT_EQ(lignes(e), 209);
    QAbstractItemModel* modele = e->findChild<QTableView*>("tableau")->model();
    EXPECT_EQ(modele->headerData(1, Qt::Horizontal).toString(), "Date");
    EXPECT_EQ(cellule(e, 1, 1), "28/02/2027");
    EXPECT_EQ(cellule(e, 84, 7), "151 015,28");  // line 85, the capital owed after it
    EXPECT_TRUE(modele->index(83, 0).data(Qt::ToolTipRole).toString().contains("remboursement partiel de 30 000,00 €"));
    EXPECT_FALSE(modele->index(84, 0).data(Qt::ToolTipRole).isValid());

    apres = "300";
    QTest::mouseClick(dans<QPushButton>(e, "ajouter_evenement"), Qt::LeftButton);
    EXPECT_EQ(dans<QLabel>(e, "etat")->text(),
              "Événement 2 : la dernière échéance du prêt est la 209e : plus rien n'est dû après l'échéance 300.");
    auto* liste = dans<QListWidget>(e, "liste_evenements");
    ASSERT_EQ(liste->count(), 2);
    liste->setCurrentRow(1);
    QTest::mouseClick(dans<QPushButton>(e, "supprimer_evenement"), Qt::LeftButton);
    EXPECT_EQ(dans<QLabel>(e, "gain_net")->text(), "17 129,25 €");
}
