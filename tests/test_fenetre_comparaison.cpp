// The comparison window: a dossier opened as from the command line, its cells and marks,
// the horizon, offers added from the schedule, and every way of closing with changes.
#include "fenetre_test.h"

#include "comparaison/fenetre_comparaison.h"
#include "credit/fichier_dossier.h"
#include "echeancier/graphique.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

namespace {

const QString croisees = QString(TARVIO_REFERENCES) + "/courbes-croisees.tarvio";

class Comparaison : public FenetreTest {
protected:
    QMainWindow* comparaison() const { return fenetre->findChild<QMainWindow*>("Comparaison"); }
    QAbstractItemModel* modele() const { return comparaison()->findChild<QTableView*>("comparaison")->model(); }
    // The row headed `titre`, -1 if none.
    int rangee(const QString& titre) const
    {
        for (int r = 0; r < modele()->rowCount(); ++r)
            if (modele()->headerData(r, Qt::Vertical).toString() == titre)
                return r;
        return -1;
    }
    QVariant cellule(const QString& titre, int offre, int role = Qt::DisplayRole) const
    {
        return modele()->index(rangee(titre), offre).data(role);
    }
    void changer_l_horizon(int annees) const { comparaison()->findChild<QSpinBox*>("horizon")->setValue(annees); }
};

}  // namespace

TEST_F(Comparaison, UnDossierOuvertSesCellulesEtLaPlusBasseMarquee)
{
    ASSERT_TRUE(fenetre->ouvrir_dossier(croisees));
    ASSERT_TRUE(comparaison() && comparaison()->isVisible());
    EXPECT_EQ(modele()->columnCount(), 3);
    EXPECT_EQ(modele()->headerData(0, Qt::Horizontal).toString(), "Taux bas, frais élevés");
    EXPECT_EQ(cellule("Coût à 8 ans", 0).toString(), "49 474,97 €");
    for (int offre = 0; offre < 3; ++offre) {  // only the lowest, in bold and said so
        bool plus_basse = offre == 0;
        EXPECT_EQ(cellule("Coût à 8 ans", offre, Qt::FontRole).value<QFont>().bold(), plus_basse) << offre;
        EXPECT_EQ(cellule("Coût à 8 ans", offre, Qt::AccessibleDescriptionRole).toString(),
                  plus_basse ? "la plus basse" : "")
            << offre;
    }
    EXPECT_TRUE(comparaison()->findChild<QLabel*>("croisements")->text().contains("après 7 ans"));
    // The cost curves, drawn once their tab shows, a line an offer to the longest loan's end.
    comparaison()->findChild<QTabWidget*>("onglets")->setCurrentIndex(1);
    auto* courbes = dynamic_cast<Courbes*>(comparaison()->findChild<QWidget*>("courbes"));
    ASSERT_NE(courbes, nullptr);
    EXPECT_EQ(courbes->lignes(), QStringList({"Taux bas, frais élevés : 25", "Taux haut, sans frais ni indemnités : 25",
                                              "Entre les deux, sur 25 ans : 25"}));
    EXPECT_FALSE(comparaison()->isWindowModified());
    EXPECT_TRUE(comparaison()->windowTitle().startsWith("courbes-croisees.tarvio"));

    changer_l_horizon(1);  // the dossier changes, and every horizon row with it
    EXPECT_TRUE(comparaison()->isWindowModified());
    EXPECT_EQ(rangee("Coût à 8 ans"), -1);
    EXPECT_EQ(cellule("Coût à 1 an", 1).toString(), "7 383,14 €");
}

TEST_F(Comparaison, UnFichierRefuseDitPourquoiEtNeLaissePasDeFenetre)
{
    QTemporaryDir dossier;
    QFile faux(dossier.filePath("faux.tarvio"));
    ASSERT_TRUE(faux.open(QIODevice::WriteOnly) && faux.write(R"({"format": "tarvio-dossier", "version": 1,
        "offres": [{"nom": "Banque B", "prets": [{"montant": 1000, "taux": "3,45", "nombre_echeances": 12}]}]})"));
    faux.close();
    CapteurMessages capteur;
    EXPECT_FALSE(fenetre->ouvrir_dossier(faux.fileName()));
    EXPECT_FALSE(fenetre->ouvrir_dossier(dossier.filePath("absent.tarvio")));
    ASSERT_EQ(capteur.vus.size(), 2u);
    EXPECT_EQ(capteur.vus[0].texte, "Le dossier « faux.tarvio » n'a pas été ouvert.\n"
                                    "Offre « Banque B », prêt 1 : « taux » doit être un nombre.");
    EXPECT_TRUE(capteur.vus[1].texte.startsWith("Le fichier « "));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(comparaison(), nullptr);
    EXPECT_TRUE(fenetre->isVisible());
}

// Annuler keeps everything open, from the window or from Quitter; Enregistrer writes the
// file, which reads back as the dossier; Ne pas enregistrer lets it go.
TEST_F(Comparaison, FermerAvecDesModificationsDemandeAvant)
{
    QTemporaryDir dossier;
    QString copie = dossier.filePath("copie.tarvio");
    ASSERT_TRUE(QFile::copy(croisees, copie));
    ASSERT_TRUE(fenetre->ouvrir_dossier(copie));
    auto* recents = comparaison()->findChild<QMenu*>("mnrecents");  // the newest first
    emit recents->aboutToShow();
    EXPECT_EQ(recents->actions().value(0)->toolTip(), QFileInfo(copie).absoluteFilePath());
    changer_l_horizon(12);
    {
        CapteurMessages capteur;
        capteur.reponse = QMessageBox::Cancel;
        comparaison()->close();
        controle<QAction>("mnquit")->trigger();
        ASSERT_EQ(capteur.vus.size(), 2u);
        EXPECT_EQ(capteur.vus[0].texte, "Enregistrer les modifications du dossier « copie » ?");
        EXPECT_TRUE(comparaison()->isVisible() && fenetre->isVisible());
    }
    {
        CapteurMessages capteur;
        capteur.reponse = QMessageBox::Save;
        comparaison()->close();
        EXPECT_EQ(capteur.vus.size(), 1u);
    }
    QFile relu(copie);
    ASSERT_TRUE(relu.open(QIODevice::ReadOnly));
    EXPECT_EQ(credit::lire_dossier(relu.readAll().toStdString()).dossier->horizon_annees, 12);

    ASSERT_TRUE(fenetre->ouvrir_dossier(copie));
    changer_l_horizon(3);
    CapteurMessages capteur;
    capteur.reponse = QMessageBox::Discard;
    controle<QAction>("mnquit")->trigger();
    EXPECT_EQ(capteur.vus.size(), 1u);
    EXPECT_FALSE(fenetre->isVisible());
}

// A new dossier saved where it cannot be written says why, offers another place, and keeps
// its changes until it is written.
TEST_F(Comparaison, EnregistrerOuCeNEstPasPossiblePuisAilleurs)
{
    controle<QAction>("mncomparer")->trigger();
    changer_l_horizon(5);
    QTemporaryDir dossier;
    CapteurMessages capteur;
    capteur.fichier = dossier.filePath("absent/dossier.tarvio");
    capteur.pendant = [&] { capteur.fichier = dossier.filePath("dossier"); };  // ".tarvio" is added
    comparaison()->findChild<QAction*>("mnenregistrer")->trigger();
    ASSERT_EQ(capteur.vus.size(), 1u);
    EXPECT_TRUE(capteur.vus[0].texte.startsWith("Le dossier n'a pas pu être enregistré : le dossier « "));
    EXPECT_TRUE(QFile::exists(dossier.filePath("dossier.tarvio")));
    EXPECT_FALSE(comparaison()->isWindowModified());
}

// The schedule's loan becomes an offer of the dossier; the schedule, closed and reopened,
// shows what was typed in it.
TEST_F(Comparaison, LEcheancierAjouteSonOffreEtGardeCeQuiEstTape)
{
    controle<QAction>("mnecheancier")->trigger();
    auto* echeancier = fenetre->findChild<QWidget*>("Echeancier");
    for (auto [nom, texte] :
         {std::pair{"montant", "200000"}, {"taux", "3"}, {"nombre", "300"}, {"frais_dossier", "800"}})
        echeancier->findChild<QLineEdit*>(nom)->setText(texte);
    QTest::mouseClick(echeancier->findChild<QPushButton*>("ajouter_comparaison"), Qt::LeftButton);
    ASSERT_TRUE(comparaison());
    EXPECT_EQ(modele()->headerData(0, Qt::Horizontal).toString(), "Prêt de 200 000,00 € à 3,00 %");
    EXPECT_EQ(cellule("Échéance", 0).toString(), "948,42 €");
    EXPECT_EQ(cellule("Frais", 0).toString(), "800,00 €");
    EXPECT_TRUE(comparaison()->isWindowModified());

    echeancier->close();
    controle<QAction>("mnecheancier")->trigger();
    EXPECT_EQ(echeancier->findChild<QLineEdit*>("frais_dossier")->text(), "800");
    CapteurMessages capteur;
    capteur.reponse = QMessageBox::Discard;
    comparaison()->close();
}

// The household's situation typed in: the debt ratio appears; a wrong figure shows red and
// changes nothing. The comparison leaves as a CSV and as printed pages.
TEST_F(Comparaison, SituationTapeeExportEtApercu)
{
    ASSERT_TRUE(fenetre->ouvrir_dossier(croisees));
    EXPECT_EQ(cellule("Taux d'endettement", 0).toString(), "—");
    auto* revenu = comparaison()->findChild<QLineEdit*>("revenu_mensuel");
    QTest::keyClicks(revenu, "4 000");
    EXPECT_EQ(cellule("Taux d'endettement", 0).toString(), "27,98 %");  // 1 119,23 over 4 000
    QTest::keyClicks(comparaison()->findChild<QLineEdit*>("taux_usure"), "x");
    EXPECT_EQ(comparaison()->findChild<QLineEdit*>("taux_usure")->palette().color(QPalette::Text), QColor(Qt::red));

    QTemporaryDir dossier;
    CapteurMessages capteur;
    capteur.fichier = dossier.filePath("comparaison");  // ".csv" is added
    comparaison()->findChild<QAction*>("mnexporter")->trigger();
    QFile csv(dossier.filePath("comparaison.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().contains("\r\nTaux d'endettement;27,98 %;"));
    int pages = 0;
    capteur.dialogue = [&](QDialog* d) {
        pages = d->findChild<QPrintPreviewWidget*>()->pageCount();
        d->reject();
    };
    comparaison()->findChild<QAction*>("mnapercu")->trigger();
    EXPECT_EQ(pages, 1);
    capteur.reponse = QMessageBox::Discard;
    comparaison()->close();
}

// The chosen offer edited in place: a loan's rate typed changes its column at once, a wrong
// fee is named and changes nothing, a second loan adds up; a dozen offers side by side.
TEST_F(Comparaison, LOffreChoisieSeModifieDansSonFormulaire)
{
    ASSERT_TRUE(fenetre->ouvrir_dossier(croisees));
    comparaison()->findChild<QListWidget*>("offres")->setCurrentRow(1);
    QWidget* offre = comparaison()->findChild<QWidget*>("offre");
    auto* prets = offre->findChild<QTabWidget*>("prets");
    auto* taux = prets->widget(0)->findChild<QLineEdit*>("taux");
    EXPECT_EQ(taux->text(), "3,75");
    taux->selectAll();
    QTest::keyClicks(taux, "3");
    EXPECT_NE(cellule("Échéance", 1).toString(), "1 185,78 €");
    EXPECT_EQ(taux->text(), "3");  // what is typed stays as typed
    EXPECT_TRUE(comparaison()->isWindowModified());

    QString echeance = cellule("Échéance", 1).toString();
    QTest::keyClicks(offre->findChild<QLineEdit*>("frais_dossier"), "abc");
    EXPECT_TRUE(
        offre->findChild<QLabel*>("erreurs_offre")->text().startsWith("Offre : « Frais de dossier » doit être"));
    EXPECT_EQ(cellule("Échéance", 1).toString(), echeance);
    offre->findChild<QLineEdit*>("frais_dossier")->clear();

    QTest::mouseClick(offre->findChild<QPushButton*>("ajouter_pret"), Qt::LeftButton);
    ASSERT_EQ(prets->count(), 2);
    EXPECT_TRUE(
        offre->findChild<QLabel*>("erreurs_offre")->text().contains("Prêt 2 : « Montant emprunté » est à remplir."));
    for (auto [nom, texte] : {std::pair{"montant", "40000"}, {"taux", "0"}, {"duree", "10"}})
        QTest::keyClicks(prets->widget(1)->findChild<QLineEdit*>(nom), texte);
    EXPECT_EQ(cellule("Montant emprunté", 1).toString(), "240 000,00 €");

    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(comparaison()->findChild<QPushButton*>("dupliquer"), Qt::LeftButton);
    EXPECT_EQ(modele()->columnCount(), 13);
    CapteurMessages capteur;
    capteur.reponse = QMessageBox::Discard;
    comparaison()->close();
}

// An offer's schedule opens from the comparison and follows the chosen offer and what is
// typed in it, a tab a loan and one for their sum; it closes when no offer is left.
TEST_F(Comparaison, LEcheancierDeLOffreChoisieLaSuit)
{
    ASSERT_TRUE(fenetre->ouvrir_dossier(croisees));
    auto* offres = comparaison()->findChild<QListWidget*>("offres");
    offres->setCurrentRow(1);
    QTest::mouseClick(comparaison()->findChild<QPushButton*>("echeancier"), Qt::LeftButton);
    auto* echeancier = comparaison()->findChild<QWidget*>("EcheancierOffre");
    ASSERT_TRUE(echeancier && echeancier->isVisible());
    EXPECT_EQ(echeancier->windowTitle(), "Échéancier — Taux haut, sans frais ni indemnités");
    auto* prets = echeancier->findChild<QTabWidget*>("prets");
    auto lignes = [&](int pret) { return prets->widget(pret)->findChild<QAbstractItemModel*>()->rowCount(); };
    auto echeance = [&] { return prets->widget(0)->findChild<QAbstractItemModel*>()->index(0, 1).data().toString(); };
    ASSERT_EQ(prets->count(), 1);
    EXPECT_EQ(lignes(0), 240);
    EXPECT_EQ(echeance() + " €", cellule("Échéance", 1).toString());

    offres->setCurrentRow(0);
    EXPECT_TRUE(echeancier->windowTitle().endsWith("Taux bas, frais élevés"));
    EXPECT_EQ(echeance() + " €", cellule("Échéance", 0).toString());
    QWidget* offre = comparaison()->findChild<QWidget*>("offre");
    QTest::mouseClick(offre->findChild<QPushButton*>("ajouter_pret"), Qt::LeftButton);
    for (auto [nom, texte] : {std::pair{"montant", "40000"}, {"taux", "0"}, {"duree", "10"}})
        QTest::keyClicks(offre->findChild<QTabWidget*>("prets")->widget(1)->findChild<QLineEdit*>(nom), texte);
    ASSERT_EQ(prets->count(), 3);  // and the two added up month by month
    EXPECT_EQ(lignes(1), 120);
    EXPECT_EQ(prets->tabText(2), "Ensemble, mois par mois");
    EXPECT_EQ(lignes(2), 240);

    CapteurMessages capteur;
    capteur.reponse = QMessageBox::Yes;
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(comparaison()->findChild<QPushButton*>("supprimer"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(comparaison()->findChild<QWidget*>("EcheancierOffre"));
    capteur.reponse = QMessageBox::Discard;
    comparaison()->close();
}

// A repayment typed in the chosen offer's loan: its column counts it, the offer's schedule
// marks it, the saved dossier keeps it; editing another field keeps the event and the date.
TEST_F(Comparaison, UnEvenementTapeDansLOffreCompteEtSEnregistre)
{
    ASSERT_TRUE(fenetre->ouvrir_dossier(croisees));
    EXPECT_EQ(cellule("Gain net des événements", 0).toString(), "—");
    QWidget* pret = comparaison()->findChild<QWidget*>("offre")->findChild<QTabWidget*>("prets")->widget(0);
    CapteurMessages capteur;
    capteur.dialogue = [](QDialog* d) {
        d->findChild<QLineEdit*>("apres_echeance")->setText("96");
        d->findChild<QComboBox*>("type")->setCurrentIndex(1);  // remboursement total
        d->accept();
    };
    QTest::keyClicks(pret->findChild<QLineEdit*>("date_premiere_echeance"), "05/02/2027");
    QTest::mouseClick(pret->findChild<QPushButton*>("ajouter_evenement"), Qt::LeftButton);
    EXPECT_EQ(pret->findChild<QListWidget*>("liste_evenements")->count(), 1);
    EXPECT_EQ(comparaison()->findChild<QLabel*>("erreurs_offre")->text(), "");
    EXPECT_NE(cellule("Gain net des événements", 0).toString(), "—");
    EXPECT_EQ(cellule("Coût à 8 ans", 0), cellule("Coût total du crédit", 0));  // repaid at 8 years
    QTest::keyClicks(pret->findChild<QLineEdit*>("taux"), "5");  // 3,15 %: another field typed
    auto* fenetre_comparaison = static_cast<FenetreComparaison*>(comparaison());
    const credit::Pret& p = fenetre_comparaison->dossier().offres[0].prets[0];
    ASSERT_EQ(p.evenements.size(), 1u);
    EXPECT_EQ(p.evenements[0].sorte, credit::SorteEvenement::remboursement_total);
    ASSERT_TRUE(p.premiere_echeance);

    QTest::mouseClick(comparaison()->findChild<QPushButton*>("echeancier"), Qt::LeftButton);
    auto* lignes = comparaison()->findChild<QWidget*>("EcheancierOffre")->findChild<QTableView*>("tableau_pret1");
    EXPECT_EQ(lignes->model()->rowCount(), 96);
    EXPECT_EQ(lignes->model()->index(95, 1).data().toString(), "05/01/2035");

    QTemporaryDir dossier;
    capteur.fichier = dossier.filePath("avec-evenement.tarvio");
    comparaison()->findChild<QAction*>("mnenregistrer_sous")->trigger();
    QFile fichier(capteur.fichier);
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    auto relu = credit::lire_dossier(fichier.readAll().toStdString());
    ASSERT_TRUE(relu.dossier) << relu.erreur;
    EXPECT_EQ(*relu.dossier, fenetre_comparaison->dossier());
}

// A buy-back weighed as its terms are typed (tests/reference/evenements/attendu.txt,
// rachat-immobilier.json), then added to the dossier as an offer of its own.
TEST_F(Comparaison, UnRachatSeChiffreEtDevientUneOffre)
{
    ASSERT_TRUE(fenetre->ouvrir_dossier(QString(TARVIO_REFERENCES) + "/../evenements/renegociation.tarvio"));
    comparaison()->findChild<QListWidget*>("offres")->setCurrentRow(2);
    CapteurMessages capteur;
    QString resultat;
    capteur.dialogue = [&](QDialog* d) {
        for (auto [nom, texte] : {std::pair{"apres_echeance", "48"}, {"taux_rachat", "3,1"}, {"nombre_rachat", "252"},
                                  {"frais_rachat", "1500"}, {"assurance_rachat1_taux", "0,12"}})
            d->findChild<QLineEdit*>(nom)->setText(texte);
        d->findChild<QComboBox*>("assurance_rachat1_base")->setCurrentIndex(1);
        resultat = d->findChild<QLabel*>("resultat_rachat")->text();
        d->findChild<QPushButton*>("ajouter_rachat")->click();
    };
    QTest::mouseClick(comparaison()->findChild<QPushButton*>("rachat"), Qt::LeftButton);
    for (const char* attendu : {"Nouveau prêt : 259 679,43 € (dont indemnité de remboursement anticipé : 5 434,03 €)",
                                "1 524,72 € en gardant le prêt, 1 429,29 € avec le rachat",
                                "131 482,21 € en gardant le prêt, 104 526,94 € avec le rachat",
                                "Gain net du rachat : 26 955,27 € ; rentable après la 34e mensualité"})
        EXPECT_TRUE(resultat.contains(attendu)) << attendu << "\n" << resultat.toStdString();
    ASSERT_EQ(modele()->columnCount(), 4);
    EXPECT_EQ(modele()->headerData(3, Qt::Horizontal).toString(), "Rachat de Contrat à 4,3 % après l'échéance 48");
    EXPECT_EQ(cellule("Montant emprunté", 3).toString(), "259 679,43 €");
    capteur.reponse = QMessageBox::Discard;
    comparaison()->close();
}

// A smoothed financing (tests/reference/financements/attendu.txt): its outlay said under its
// schedule, the loans' names as tabs; the PTZ's rules applied from its editor; smoothing
// unticked and the schedule follows.
TEST_F(Comparaison, UnFinancementLisseEtSonPtz)
{
    ASSERT_TRUE(
        fenetre->ouvrir_dossier(QString(TARVIO_REFERENCES) + "/../financements/lissage-ptz-avec-assurance.tarvio"));
    QTest::mouseClick(comparaison()->findChild<QPushButton*>("echeancier"), Qt::LeftButton);
    auto* echeancier = comparaison()->findChild<QWidget*>("EcheancierOffre");
    auto* onglets = echeancier->findChild<QTabWidget*>("prets");
    EXPECT_EQ(onglets->tabText(1), "PTZ");
    EXPECT_EQ(onglets->tabText(onglets->count() - 1), "Ensemble, mois par mois");
    auto* dit = echeancier->findChild<QLabel*>("avertissements");
    EXPECT_TRUE(dit->text().contains("Versement lissé : 1 174,26 € par mois.")) << dit->text().toStdString();

    QWidget* offre = comparaison()->findChild<QWidget*>("offre");
    QWidget* ptz = offre->findChild<QTabWidget*>("prets")->widget(1);
    ASSERT_TRUE(ptz->findChild<QCheckBox*>("ptz")->isChecked());
    ptz->findChild<QComboBox*>("ptz_tranche")->setCurrentIndex(1);  // bracket 2, a house: 20 % of 240 000 €
    QTest::mouseClick(ptz->findChild<QPushButton*>("appliquer_ptz"), Qt::LeftButton);
    EXPECT_EQ(ptz->findChild<QLineEdit*>("montant")->text(), "48000");
    EXPECT_EQ(ptz->findChild<QLineEdit*>("differe")->text(), "96");
    EXPECT_EQ(cellule("Montant emprunté", 0).toString(), "228 000,00 €");

    offre->findChild<QCheckBox*>("lissage")->click();
    EXPECT_FALSE(dit->text().contains("Versement lissé"));
    CapteurMessages capteur;
    capteur.reponse = QMessageBox::Discard;
    comparaison()->close();
}
