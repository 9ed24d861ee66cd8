// Reports through a real CUPS server into its PDF queue, read back with
// poppler; and the way out when there is no printer.
#include "fenetre_test.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QPrinterInfo>
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
    EXPECT_GE(poppler("pdfimages", {"-list", pdf}).count(" image "), 1);  // the grid's picture
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
    }
    QString tout = poppler("pdftotext", {pdf, "-"});
    EXPECT_TRUE(tout.contains("TAEG : 3,04 %"));
    // The instalment and the instalment with insurance, on every line but the last.
    EXPECT_EQ(tout.count("715,97"), 2 * (480 - 1));
}

using SansImprimante = FenetreTest;

TEST_F(SansImprimante, ProposeUnPdf)
{
    cupsSetServer("/nonexistent/cups.sock");
    controle<QLineEdit>("Text4")->setText("10000");
    QTemporaryDir dossier;
    CapteurMessages capteur;
    capteur.fichier = dossier.filePath("rapport.pdf");
    controle<QAction>("mnimprim")->trigger();
    cupsSetServer(nullptr);
    ASSERT_EQ(capteur.vus.size(), 1u);
    EXPECT_EQ(capteur.vus[0].texte, "Aucune imprimante par défaut n'est installée.\n"
                                    "Voulez-vous enregistrer le rapport dans un fichier PDF ?");
    EXPECT_EQ(lignes(capteur.fichier, "-layout").mid(0, 2),
              QStringList({"Somme empruntée :...... : 10000",
                           "Taux d'interet :.............. : 0.00% Montant remboursement : 0"}));
}
