#include "impression/impression.h"

#include "commun/fichiers.h"
#include "commun/messages.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QLibrary>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

enum class Issue { fait, annule, en_panne };

// A busy cursor while the pages are drawn; past half a second, a dialog
// whose "Annuler" stops the job. The window keeps repainting meanwhile.
class Progression {
public:
    explicit Progression(QWidget* fenetre) : dialogue_("Préparation des pages…", "Annuler", 0, 1, fenetre)
    {
        dialogue_.setObjectName("progression");
        dialogue_.setWindowTitle("Impression");
        dialogue_.setWindowModality(Qt::WindowModal);
        dialogue_.setMinimumDuration(500);
        // Reaching its maximum would reset it, and forget an "Annuler" clicked on the last page.
        dialogue_.setAutoReset(false);
        dialogue_.setAutoClose(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~Progression() { QApplication::restoreOverrideCursor(); }

    bool operator()(int faites, int total)
    {
        dialogue_.setMaximum(total);
        dialogue_.setValue(faites);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return !dialogue_.wasCanceled();
    }

private:
    QProgressDialog dialogue_;
};

Issue tracer(QWidget* fenetre, QPrinter& imprimante, const TravailImpression& travail)
{
    bool annule = false;
    Progression progression(fenetre);
    bool trace = travail.tracer(imprimante, [&](int faites, int total) {
        annule = !progression(faites, total);
        return !annule;
    });
    return annule ? Issue::annule : trace ? Issue::fait : Issue::en_panne;
}

// A function of the CUPS library, loaded on the first print: linked, the
// library and the twenty it needs would load at every start-up.
template <typename F>
F cups(const char* nom)
{
    static QLibrary bibliotheque("cups", 2);
    return reinterpret_cast<F>(bibliotheque.resolve(nom));
}

// Drawn into a file first and sent whole: the printer's own path would send
// whatever was drawn when the user stops, and never says when CUPS refuses a job.
Issue envoyer(QWidget* fenetre, const QPrinterInfo& destination, const TravailImpression& travail)
{
    QTemporaryFile fichier(QDir::temp().filePath("tarvio-XXXXXX.job"));
    if (!fichier.open())
        return Issue::en_panne;
    QPrinter imprimante(destination, QPrinter::HighResolution);
    imprimante.setDocName(travail.nom);
    if (int pages = travail.pages ? travail.pages(imprimante) : 0; pages > 10) {
        QString quoi = travail.quoi;
        quoi[0] = quoi[0].toUpper();
        if (!demander(fenetre, {(quoi + " tiendra sur %1 pages.\r\nVoulez-vous l'imprimer ?").arg(pages).toStdString(),
                                travail.titre.toStdString(), calc::Icone::exclamation}))
            return Issue::annule;
    }
    imprimante.setOutputFileName(fichier.fileName());  // no ".pdf": the printer's own format and page
    if (Issue issue = tracer(fenetre, imprimante, travail); issue != Issue::fait)
        return issue;

    QPageLayout page = imprimante.pageLayout();
    QByteArray format = page.pageSize().key().toUtf8();
    cups_option_t options[] = {{const_cast<char*>("media"), format.data()},
                               {const_cast<char*>("landscape"), const_cast<char*>("")}};
    int nombre = page.orientation() == QPageLayout::Landscape ? 2 : 1;
    QByteArray file = destination.printerName().section('/', 0, 0).toUtf8();  // the queue, not its instance
    auto envoyer_fichier = cups<decltype(&cupsPrintFile)>("cupsPrintFile");
    int travail_cups = envoyer_fichier ? envoyer_fichier(file.constData(), fichier.fileName().toUtf8().constData(),
                                                         travail.nom.toUtf8().constData(), nombre, options)
                                       : 0;
    return travail_cups > 0 ? Issue::fait : Issue::en_panne;
}

// The pages are written beside the chosen file and replace it only once
// whole: a failure or "Annuler" leaves whatever was there.
class Brouillon {
public:
    explicit Brouillon(const QString& chemin)
        : modele_(QFile::encodeName(QFileInfo(chemin).absolutePath() + "/.tarvio-XXXXXX.pdf"))
    {
        int fd = ::mkstemps(modele_.data(), 4);
        erreur_ = fd < 0 ? errno : 0;
        if (fd >= 0)
            ::close(fd);
    }
    ~Brouillon()
    {
        if (erreur_ == 0)
            ::unlink(modele_.constData());  // gone already once it has replaced the file
    }

    int erreur() const { return erreur_; }  // errno of its making, 0 when made
    QString chemin() const { return QFile::decodeName(modele_); }
    // errno of the replacement, 0 when done.
    int remplacer(const QString& chemin) const
    {
        return ::rename(modele_.constData(), QFile::encodeName(chemin).constData()) == 0 ? 0 : errno;
    }

private:
    QByteArray modele_;
    int erreur_;
};

// A PDF cut short has no end of file mark; a full disk is the usual cause.
int verifier(const QString& chemin)
{
    QFile pdf(chemin);
    if (pdf.open(QIODevice::ReadOnly) && pdf.size() > 6 && pdf.seek(pdf.size() - 6) && pdf.read(6).contains("%%EOF"))
        return 0;
    return QStorageInfo(QFileInfo(chemin).absolutePath()).bytesAvailable() < 1024 * 1024 ? ENOSPC : EIO;
}

// errno of the attempt, 0 when the file is written; -1 when the user stopped.
int ecrire_pdf(QWidget* fenetre, const QString& chemin, const TravailImpression& travail)
{
    Brouillon brouillon(chemin);
    if (brouillon.erreur())
        return brouillon.erreur();
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFileName(brouillon.chemin());
    pdf.setDocName(travail.nom);
    switch (tracer(fenetre, pdf, travail)) {
    case Issue::annule: return -1;
    case Issue::en_panne: return EIO;
    case Issue::fait: break;
    }
    int erreur = verifier(brouillon.chemin());
    return erreur ? erreur : brouillon.remplacer(chemin);
}

// Until the file is written, or the user gives up; every failure says why.
void enregistrer_en_pdf(QWidget* fenetre, const TravailImpression& travail)
{
    QString chemin = QDir::home().filePath(travail.fichier);
    for (;;) {
        QFileDialog choix(fenetre, "Enregistrer en PDF", chemin, "Documents PDF (*.pdf)");
        choix.setAcceptMode(QFileDialog::AcceptSave);
        choix.setDefaultSuffix("pdf");  // added before the dialog asks about replacing a file
        if (choix.exec() != QDialog::Accepted)
            return;
        chemin = choix.selectedFiles().value(0);
        int erreur = ecrire_pdf(fenetre, chemin, travail);
        if (erreur <= 0)
            return;
        if (!demander(fenetre,
                      {"Le fichier PDF n'a pas pu être écrit : " + raison_d_echec(erreur, chemin).toStdString() +
                           "\r\nVoulez-vous l'enregistrer ailleurs ?",
                       travail.titre.toStdString(), calc::Icone::critique}))
            return;
    }
}

}  // namespace

void imprimer(QWidget* fenetre, const TravailImpression& travail)
{
    QPrinterInfo defaut = QPrinterInfo::defaultPrinter();
    std::string panne, quoi = travail.quoi.toStdString(), titre = travail.titre.toStdString();
    if (defaut.isNull()) {
        panne = "Aucune imprimante par défaut n'est installée.";
    } else {
        if (envoyer(fenetre, defaut, travail) != Issue::en_panne)
            return;
        panne = "L'imprimante « " + defaut.printerName().toStdString() + " » n'a pas pu imprimer " + quoi + ".";
    }
    if (demander(fenetre, {panne + "\r\nVoulez-vous enregistrer " + quoi + " dans un fichier PDF ?", titre,
                           calc::Icone::exclamation}))
        enregistrer_en_pdf(fenetre, travail);
}

void apercu(QWidget* fenetre, const QString& nom, const std::function<void(QPrinter&)>& tracer,
            const std::function<void(QPrinter&)>& preparer)
{
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setDocName(nom);
    if (preparer)
        preparer(imprimante);
    QPrintPreviewDialog dialogue(&imprimante, fenetre);
    dialogue.setObjectName("apercu");
    dialogue.setWindowTitle("Aperçu avant impression");
    QObject::connect(&dialogue, &QPrintPreviewDialog::paintRequested, fenetre, [&](QPrinter* p) { tracer(*p); });
    dialogue.exec();
}

QString date_du_jour()
{
    return QLocale(QLocale::French, QLocale::France).toString(QDate::currentDate(), QLocale::ShortFormat);
}
