// The four reports through a real CUPS server into its PDF queue, read back
// with poppler; and the way out when there is no printer.
#include "fenetre_test.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cups/cups.h>

namespace {

const QString sortie = "/var/spool/tarvio-pdf";

class Impression : public FenetreTest {
protected:
    void SetUp() override
    {
        FenetreTest::SetUp();
        if (QPrinterInfo::defaultPrinter().printerName() != "PDF")
            GTEST_SKIP() << "no CUPS queue PDF as the default printer";
        attendre_file_vide();  // jobs of an earlier test are not ours
        deja = QDir(sortie).entryList({"*.pdf"});
    }

    void saisir(const QString& nom, const QString& texte) { controle<QLineEdit>(nom)->setText(texte); }

    void tableau(const QString& mini, const QString& maxi)
    {
        saisir("Text1", "10000");
        saisir("Text2", mini);
        saisir("Text3", maxi);
        controle<QComboBox>("Combo1")->setCurrentText("4");
        controle<QComboBox>("Combo2")->setCurrentText("5");
        CapteurMessages capteur;
        QTest::mouseClick(controle("Command1"), Qt::LeftButton);
        ASSERT_TRUE(capteur.vus.empty());
    }

    // Prints, waits for the queue to empty, and gives the new PDF.
    QString imprimer()
    {
        CapteurMessages capteur;
        controle<QAction>("mnimprim")->trigger();
        EXPECT_TRUE(capteur.vus.empty());
        attendre_file_vide();
        for (int i = 0; i < 100; ++i, QTest::qWait(100))
            for (const QString& f : QDir(sortie).entryList({"*.pdf"}))
                if (!deja.contains(f))
                    return QDir(sortie).filePath(f);
        ADD_FAILURE() << "no PDF came out";
        return {};
    }

    // The first page's lines as written, blank ones left out.
    static QStringList lignes(const QString& pdf)
    {
        QStringList l;
        for (const QString& ligne : poppler("pdftotext", {"-raw", "-f", "1", "-l", "1", pdf, "-"}).split('\n'))
            if (!ligne.trimmed().isEmpty())
                l << ligne.trimmed();
        return l;
    }

    static bool paysage(const QString& pdf) { return poppler("pdfinfo", {pdf}).contains(QRegularExpression("Page rot:\\s+90")); }
    static int images(const QString& pdf) { return poppler("pdfimages", {"-list", pdf}).count(" image "); }

    QStringList deja;
};

}  // namespace

TEST_F(Impression, RapportDesHypotheses)
{
    tableau("12", "15");
    QString pdf = imprimer();
    EXPECT_EQ(lignes(pdf).mid(0, 2), QStringList({"Montant de l'emprunt :.............. : 10000",
                                                  "Périodes MINI :................... : 12 Périodes MAXI :.................. : 15"}));
    EXPECT_FALSE(paysage(pdf));  // 5 columns
    EXPECT_GE(images(pdf), 1);
}

TEST_F(Impression, RapportsDesMensualitesEtDuTaux)
{
    // The block's two lines, then the result, as the window showed it.
    auto rapport = [&](const char* bouton, int premier, const QStringList& valeurs) {
        for (int i = 0; i < 3; ++i)
            saisir(QString("Text%1").arg(premier + i), valeurs[i]);
        QTest::mouseClick(controle(bouton), Qt::LeftButton);
        deja = QDir(sortie).entryList({"*.pdf"});
        return lignes(imprimer());
    };
    QStringList mensualites = rapport("Command3", 4, {"10000", "5", "200"});
    EXPECT_EQ(mensualites.size(), 3);
    EXPECT_EQ(mensualites.value(2), "Nombre de Mensualités : 57 mois");
    saisir("Text4", "0");
    QStringList taux = rapport("Command2", 7, {"10000", "200", "60"});
    EXPECT_EQ(taux.value(0), "Montant de l'emprunt :.................. : 10000");
    EXPECT_EQ(taux.value(2), "Taux à : 4,00 %");
}

TEST_F(Impression, RapportCompletEnPaysage)
{
    tableau("12", "18");  // 7 periods, 8 columns
    saisir("Text4", "10000");
    QString pdf = imprimer();
    QStringList l = lignes(pdf);
    QString date = QLocale(QLocale::French, QLocale::France).toString(QDate::currentDate(), QLocale::ShortFormat);
    ASSERT_GE(l.size(), 10);
    EXPECT_EQ(l[0], "Impression du " + date + " -- VELORAN V2 --");
    EXPECT_TRUE(l.contains(QString(122, '-')));
    EXPECT_TRUE(l.contains(QString(124, '-')));
    EXPECT_EQ(l.count(QString(62, '=')), 2);
    EXPECT_TRUE(l.contains("Montant de l'emprunt :.............. : 10000"));
    EXPECT_TRUE(paysage(pdf));
    EXPECT_GE(images(pdf), 1);
}

TEST_F(Impression, GrandTableauSansPerdreUneCase)
{
    controle<QRadioButton>("Option2(1)")->click();
    tableau("2", "240");
    QString pdf = imprimer();
    // 240 columns of 101 pixels do not fit a page: the picture goes on, page after page.
    EXPECT_GE(pages_pdf(pdf), 20);
    EXPECT_EQ(images(pdf), pages_pdf(pdf));
}

TEST_F(Impression, SansImprimanteProposeUnPdf)
{
    cupsSetServer("/nonexistent/cups.sock");
    saisir("Text4", "10000");
    QTemporaryDir dossier;
    CapteurMessages capteur;
    capteur.fichier = dossier.filePath("rapport.pdf");
    controle<QAction>("mnimprim")->trigger();
    cupsSetServer(nullptr);
    ASSERT_EQ(capteur.vus.size(), 1u);
    EXPECT_EQ(capteur.vus[0].texte, "Aucune imprimante par défaut n'est installée.\n"
                                    "Voulez-vous enregistrer le rapport dans un fichier PDF ?");
    EXPECT_EQ(capteur.vus[0].titre, "Menu imprimer");
    EXPECT_EQ(lignes(capteur.fichier).value(0), "Somme empruntée :...... : 10000");
}
