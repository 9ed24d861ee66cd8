// Reports through a real CUPS server into its PDF queue, read back with
// poppler; and the way out when there is no printer.
#include "fenetre_test.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>

#include <cups/cups.h>

namespace {

const QString sortie = "/var/spool/tarvio-pdf";

// The first page's lines, trimmed, blank ones left out: in the order written, or as laid out on the page.
QStringList lignes(const QString& pdf, const QString& ordre = "-raw")
{
    QString texte = poppler("pdftotext", {ordre, "-f", "1", "-l", "1", pdf, "-"});
    return texte.trimmed().split(QRegularExpression("\\s*\n\\s*"));
}

// The CUPS queue PDF has printed everything sent to it; not while the server cannot say.
bool file_vide()
{
    cups_job_t* travaux = nullptr;
    int nombre = cupsGetJobs(&travaux, "PDF", 0, CUPS_WHICHJOBS_ACTIVE);
    cupsFreeJobs(nombre, travaux);
    return nombre == 0;
}

class Impression : public FenetreTest {
protected:
    void SetUp() override
    {
        FenetreTest::SetUp();
        if (QPrinterInfo::defaultPrinter().printerName() != "PDF")
            GTEST_SKIP() << "no CUPS queue PDF as the default printer";
        ASSERT_TRUE(QTest::qWaitFor(file_vide, 120000));  // jobs of an earlier test are not ours
        deja_ = QDir(sortie).entryList({"*.pdf"});
    }

    // The PDF the queue made of the job `titre` sent since SetUp, once its job has
    // ended (the file grows while the job runs); empty if none came.
    QString pdf_sorti(const QString& titre) const
    {
        QString pdf;
        bool sorti = QTest::qWaitFor(
            [&] {
                for (const QString& f : QDir(sortie).entryList({titre + "*.pdf"}))
                    if (!deja_.contains(f))
                        pdf = QDir(sortie).filePath(f);
                return !pdf.isEmpty();
            },
            120000);
        return sorti && QTest::qWaitFor(file_vide, 120000) ? pdf : QString();
    }

    // 97 rates from 1 % to 25 %, 39 durations from 2 to 40 years.
    void grand_tableau() const
    {
        controle<QRadioButton>("Option2(1)")->click();
        remplir_les_cases({"100000", "2", "40"});
        controle<QComboBox>("Combo1")->setCurrentText("1");
        controle<QComboBox>("Combo2")->setCurrentText("25");
        QTest::mouseClick(controle("Command1"), Qt::LeftButton);
    }

private:
    QStringList deja_;
};

}  // namespace

TEST_F(Impression, RapportCompletEnPaysageSurLImprimanteParDefaut)
{
    remplir_les_cases({"10000", "12", "18", "10000"});  // 7 periods, 8 columns: landscape
    CapteurMessages capteur;
    QTest::mouseClick(controle("Command1"), Qt::LeftButton);
    controle<QAction>("mnimprim")->trigger();
    EXPECT_TRUE(capteur.vus.empty());

    QString pdf = pdf_sorti("Rapport_Tarvio");
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF came out";
    QStringList l = lignes(pdf);
    QString date = QLocale(QLocale::French, QLocale::France).toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_EQ(l.value(0), "Impression du " + date + " -- VELORAN V2 --");
    EXPECT_TRUE(l.contains("Montant de l'emprunt :.............. : 10000"));
    EXPECT_EQ(l.count(QString(62, '=')), 2);
    EXPECT_TRUE(poppler("pdfinfo", {pdf}).contains(QRegularExpression("Page rot:\\s+90")));
    QRegularExpression image("^\\s*\\d+\\s+\\d+\\s+image\\s", QRegularExpression::MultilineOption);
    EXPECT_EQ(poppler("pdfimages", {"-list", pdf}).count(image), 1);  // the emblem, the grid being text
    // The grid below, as text: its headings, then a rate and its figures a line (simple interest:
    // 10 000 € and 4 % of it over 12 months); one page, no number.
    int debut = static_cast<int>(
        l.indexOf("12 Mensualités 13 Mensualités 14 Mensualités 15 Mensualités 16 Mensualités 17 Mensualités "
                  "18 Mensualités"));
    ASSERT_GE(debut, 0) << l.join('\n').toStdString();
    EXPECT_TRUE(l.value(debut + 1).startsWith("4 % 866,67 € 802,56 €")) << l.value(debut + 1).toStdString();
    EXPECT_TRUE(l.value(debut + 5).startsWith("5 % ")) << l.value(debut + 5).toStdString();
    EXPECT_FALSE(l.join(' ').contains("Page 1"));
}

// A table of many pages: asked first, then every page readable by itself.
TEST_F(Impression, GrandTableauPageParPageAvecSesTitres)
{
    grand_tableau();
    CapteurMessages capteur;
    controle<QAction>("mnimprim")->trigger();

    QString pdf = pdf_sorti("Rapport_Tarvio");
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF came out";
    int pages = QRegularExpression("Pages:\\s+(\\d+)").match(poppler("pdfinfo", {pdf})).captured(1).toInt();
    ASSERT_EQ(capteur.vus.size(), 1u);
    EXPECT_EQ(capteur.vus[0].texte, QString("Le rapport tiendra sur %1 pages.\nVoulez-vous l'imprimer ?").arg(pages));
    EXPECT_GT(pages, 10);
    EXPECT_LT(QFileInfo(pdf).size(), 500 * 1024);

    // Each page read row by row: its durations, then a rate and its figures a line. The figures
    // are those of the page's own rate and durations, every cell of the grid once.
    auto* grille = controle<QTableView>("MSFlexGrid1");
    QMap<QString, int> ligne_de, colonne_de;
    for (int r = 0; r < grille->model()->rowCount(); ++r)
        ligne_de[grille->model()->headerData(r, Qt::Vertical).toString()] = r;
    for (int c = 0; c < grille->model()->columnCount(); ++c)
        colonne_de[grille->model()->headerData(c, Qt::Horizontal).toString().simplified()] = c;
    auto cellule = [&](int r, int c) { return grille->model()->index(r, c).data().toString().simplified(); };
    QRegularExpression duree("(\\d+) Annuités"), ligne("^(\\d+(?:,\\d+)? %) (.*)$"), somme("\\d[\\d\\h]*,\\d\\d €");
    QStringList sommes, cellules;
    for (int page = 1; page <= pages; ++page) {
        QString texte =
            poppler("pdftotext", {"-raw", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
        EXPECT_TRUE(texte.contains(QString("Page %1 / %2").arg(page).arg(pages))) << "page " << page;
        QList<int> colonnes;
        for (const auto& m : duree.globalMatch(texte))
            colonnes << colonne_de.value(m.captured(1) + " Annuités", -1);
        int rangees = 0;
        for (const QString& l : texte.split('\n')) {
            QRegularExpressionMatch m = ligne.match(l);
            if (!m.hasMatch())
                continue;
            ++rangees;
            QStringList lues, attendues;
            for (const auto& s : somme.globalMatch(m.captured(2)))
                lues << s.captured().simplified();
            for (int c : colonnes)
                attendues << cellule(ligne_de.value(m.captured(1), -1), c);
            EXPECT_EQ(lues, attendues) << "page " << page << ", " << m.captured(1).toStdString();
            sommes << lues;
        }
        EXPECT_TRUE(rangees > 0 && !colonnes.isEmpty()) << "page " << page;
    }
    for (int r = 0; r < grille->model()->rowCount(); ++r)
        for (int c = 0; c < grille->model()->columnCount(); ++c)
            cellules << cellule(r, c);
    sommes.sort(), cellules.sort();
    EXPECT_EQ(sommes.size(), 97 * 39);
    EXPECT_TRUE(sommes == cellules);

    // The preview, after the print command, shows the same pages.
    QStringList fichier;
    for (QAction* a : controle<QMenu>("mnfich")->actions())
        fichier << a->objectName();
    EXPECT_EQ(fichier, QStringList({"mnimprim", "mnapercu", "trait1", "mnquit"}));
    int apercu = 0;
    capteur.dialogue = [&](QDialog* d) {
        apercu = d->findChild<QPrintPreviewWidget*>()->pageCount();
        d->reject();
    };
    controle<QAction>("mnapercu")->trigger();
    EXPECT_EQ(apercu, pages);
}

// Ten pages print without a question; eleven ask first (rates 1 % to 10 %, one band of rows;
// years from 2 to 101, ten bands of columns, then one more).
TEST_F(Impression, DixPagesSansQuestionOnzeAvec)
{
    controle<QRadioButton>("Option2(1)")->click();
    remplir_les_cases({"100000", "2", "101"});
    controle<QComboBox>("Combo1")->setCurrentText("1");
    controle<QComboBox>("Combo2")->setCurrentText("10");
    QTest::mouseClick(controle("Command1"), Qt::LeftButton);
    {
        CapteurMessages capteur;
        controle<QAction>("mnimprim")->trigger();
        EXPECT_TRUE(capteur.vus.empty());
        QString pdf = pdf_sorti("Rapport_Tarvio");
        ASSERT_FALSE(pdf.isEmpty()) << "no PDF came out";
        EXPECT_TRUE(poppler("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+10\\n")));
    }
    controle<QLineEdit>("Text3")->setText("102");
    QTest::mouseClick(controle("Command1"), Qt::LeftButton);
    CapteurMessages capteur;
    capteur.reponse = QMessageBox::No;
    controle<QAction>("mnimprim")->trigger();
    ASSERT_EQ(capteur.vus.size(), 1u);
    EXPECT_EQ(capteur.vus[0].texte, "Le rapport tiendra sur 11 pages.\nVoulez-vous l'imprimer ?");
}

// Non to the question, or Annuler while the pages are drawn: nothing reaches the printer.
TEST_F(Impression, NonOuAnnulerNEnvoieRien)
{
    grand_tableau();
    auto travaux = [] {
        cups_job_t* liste = nullptr;
        int nombre = cupsGetJobs(&liste, "PDF", 0, CUPS_WHICHJOBS_ALL);
        cupsFreeJobs(nombre, liste);
        return nombre;
    };
    int avant = travaux();
    {
        CapteurMessages capteur;
        capteur.reponse = QMessageBox::No;
        controle<QAction>("mnimprim")->trigger();
        EXPECT_EQ(capteur.vus.size(), 1u);
    }
    {
        CapteurMessages capteur;
        capteur.annuler = true;
        controle<QAction>("mnimprim")->trigger();
        EXPECT_EQ(capteur.vus.size(), 1u);  // the question only: a job stopped is no failure
    }
    EXPECT_EQ(travaux(), avant);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(QDir::temp().entryList({"tarvio-*.job"}).isEmpty());
}

// 480 lines on as many pages as they take, each headed with the columns.
TEST_F(Impression, EcheancierSurPlusieursPagesAvecSesTitres)
{
    controle<QAction>("mnecheancier")->trigger();
    auto* echeancier = fenetre->findChild<QWidget*>("Echeancier");
    ASSERT_NE(echeancier, nullptr);
    for (auto [nom, texte] : {std::pair{"montant", "200000"}, {"taux", "3"}, {"nombre", "480"}})
        echeancier->findChild<QLineEdit*>(nom)->setText(texte);
    CapteurMessages capteur;
    QTest::mouseClick(echeancier->findChild<QWidget*>("imprimer"), Qt::LeftButton);
    EXPECT_TRUE(capteur.vus.empty());

    QString pdf = pdf_sorti("Tableau_d_amortissement");
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF came out";
    int pages = QRegularExpression("Pages:\\s+(\\d+)").match(poppler("pdfinfo", {pdf})).captured(1).toInt();
    EXPECT_GE(pages, 8);
    for (int page = 1; page <= pages; ++page) {
        QString texte = poppler("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
        EXPECT_TRUE(texte.contains("Capital restant dû")) << "page " << page;
        EXPECT_TRUE(texte.contains(QString("Page %1 / %2").arg(page).arg(pages))) << "page " << page;
    }
    QString tout = poppler("pdftotext", {pdf, "-"});
    for (const char* ligne :
         {"TAEG : 3,04 %", "Frais de dossier : 0,00 €", "Revenu net mensuel : non saisi", "Taux d'usure : non saisi"})
        EXPECT_TRUE(tout.contains(ligne)) << ligne;
    // The instalment and the instalment with insurance, on every line but the last.
    EXPECT_EQ(tout.count("715,97"), 2 * (480 - 1));

    // Beyond ten pages, the same question as the report's; "Non" sends nothing.
    echeancier->findChild<QLineEdit*>("nombre")->setText("1200");
    capteur.reponse = QMessageBox::No;
    QTest::mouseClick(echeancier->findChild<QWidget*>("imprimer"), Qt::LeftButton);
    ASSERT_EQ(capteur.vus.size(), 1u);
    EXPECT_TRUE(capteur.vus[0].texte.startsWith("Le tableau d'amortissement tiendra sur "));
}

using SansImprimante = FenetreTest;

// The PDF offered instead, ".pdf" added to its name; a place it cannot be
// written says why and offers another.
TEST_F(SansImprimante, ProposeUnPdfEtUnAutreEndroitSiBesoin)
{
    cupsSetServer("/nonexistent/cups.sock");
    controle<QLineEdit>("Text4")->setText("10000");
    QTemporaryDir dossier;
    CapteurMessages capteur;
    capteur.fichier = dossier.filePath("absent/rapport.pdf");
    capteur.pendant = [&] {  // after the first failure
        if (capteur.vus.size() == 2)
            capteur.fichier = dossier.filePath("rapport");
    };
    controle<QAction>("mnimprim")->trigger();
    cupsSetServer(nullptr);
    ASSERT_EQ(capteur.vus.size(), 2u);
    EXPECT_EQ(capteur.vus[0].texte, "Aucune imprimante par défaut n'est installée.\n"
                                    "Voulez-vous enregistrer le rapport dans un fichier PDF ?");
    EXPECT_TRUE(capteur.vus[1].texte.startsWith("Le fichier PDF n'a pas pu être écrit : le dossier « /"));
    EXPECT_TRUE(capteur.vus[1].texte.endsWith("/absent » n'existe pas.\nVoulez-vous l'enregistrer ailleurs ?"));
    EXPECT_EQ(capteur.vus[1].icone, QMessageBox::Critical);
    EXPECT_EQ(lignes(dossier.filePath("rapport.pdf"), "-layout").mid(0, 2),
              QStringList({"Somme empruntée :...... : 10000",
                           "Taux d'interet :.............. : 0.00% Montant remboursement : 0"}));
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"rapport.pdf"});
}

// "Annuler" while a PDF is written over an older one leaves the older one whole, and nothing beside it.
TEST_F(SansImprimante, AnnulerGardeLeFichierQuiEtaitLa)
{
    cupsSetServer("/nonexistent/cups.sock");
    controle<QLineEdit>("Text4")->setText("10000");
    QTemporaryDir dossier;
    QFile ancien(dossier.filePath("rapport.pdf"));
    ASSERT_TRUE(ancien.open(QIODevice::WriteOnly) && ancien.write("ancien") == 6);
    ancien.close();
    CapteurMessages capteur;
    capteur.fichier = ancien.fileName();
    capteur.annuler = true;
    controle<QAction>("mnimprim")->trigger();
    cupsSetServer(nullptr);
    ASSERT_TRUE(ancien.open(QIODevice::ReadOnly));
    EXPECT_EQ(ancien.readAll(), "ancien");
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"rapport.pdf"});
}
