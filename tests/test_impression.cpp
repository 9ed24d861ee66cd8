// Reports through a real CUPS server into its PDF queue, read back with
// poppler; and the way out when there is no printer.
#include "fenetre_test.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <cups/cups.h>

namespace {

const QString sortie = "/var/spool/tarvio-pdf";

// The first page's lines as written, blank ones left out.
QStringList lignes(const QString& pdf)
{
    QStringList l;
    for (const QString& ligne : poppler("pdftotext", {"-raw", "-f", "1", "-l", "1", pdf, "-"}).split('\n'))
        if (!ligne.trimmed().isEmpty())
            l << ligne.trimmed();
    return l;
}

using Impression = FenetreTest;

}  // namespace

TEST_F(Impression, RapportCompletEnPaysageSurLImprimanteParDefaut)
{
    if (QPrinterInfo::defaultPrinter().printerName() != "PDF")
        GTEST_SKIP() << "no CUPS queue PDF as the default printer";
    attendre_file_vide();  // jobs of an earlier test are not ours
    const QStringList deja = QDir(sortie).entryList({"*.pdf"});
    const QStringList saisie = {"10000", "12", "18", "10000"};  // 7 periods, 8 columns: landscape
    for (int i = 0; i < 4; ++i)
        controle<QLineEdit>(QString("Text%1").arg(i + 1))->setText(saisie[i]);
    controle<QComboBox>("Combo1")->setCurrentText("4");
    controle<QComboBox>("Combo2")->setCurrentText("5");
    CapteurMessages capteur;
    QTest::mouseClick(controle("Command1"), Qt::LeftButton);
    controle<QAction>("mnimprim")->trigger();
    EXPECT_TRUE(capteur.vus.empty());

    attendre_file_vide();
    QString pdf;
    for (int i = 0; i < 100 && pdf.isEmpty(); ++i, QTest::qWait(100))
        for (const QString& f : QDir(sortie).entryList({"*.pdf"}))
            if (!deja.contains(f))
                pdf = QDir(sortie).filePath(f);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF came out";
    QStringList l = lignes(pdf);
    QString date = QLocale(QLocale::French, QLocale::France).toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_EQ(l.value(0), "Impression du " + date + " -- VELORAN V2 --");
    EXPECT_TRUE(l.contains("Montant de l'emprunt :.............. : 10000"));
    EXPECT_EQ(l.count(QString(62, '=')), 2);
    EXPECT_TRUE(poppler("pdfinfo", {pdf}).contains(QRegularExpression("Page rot:\\s+90")));
    EXPECT_GE(poppler("pdfimages", {"-list", pdf}).count(" image "), 1);  // the grid's picture
}

TEST_F(Impression, SansImprimanteProposeUnPdf)
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
    EXPECT_EQ(lignes(capteur.fichier).value(0), "Somme empruntée :...... : 10000");
}
