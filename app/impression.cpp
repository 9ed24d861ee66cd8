#include "impression.h"

#include "messages.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QLibrary>
#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
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

// Whether the file can be written, from the error its opening meets; empty when it can.
QString essayer(const QString& chemin)
{
    int fd = ::open(QFile::encodeName(chemin).constData(), O_WRONLY | O_CREAT, 0666);
    if (fd < 0)
        return raison_d_echec(errno, chemin);
    ::close(fd);
    return {};
}

// A PDF cut short has no end of file mark; a full disk is the usual cause.
QString verifier(const QString& chemin)
{
    QFile pdf(chemin);
    if (pdf.open(QIODevice::ReadOnly) && pdf.size() > 6 && pdf.seek(pdf.size() - 6) && pdf.read(6).contains("%%EOF"))
        return {};
    QStorageInfo disque(QFileInfo(chemin).absolutePath());
    return raison_d_echec(disque.bytesAvailable() < 1024 * 1024 ? ENOSPC : EIO, chemin);
}

// Until the file is written, or the user gives up; every failure says why.
void enregistrer_en_pdf(QWidget* fenetre, const TravailImpression& travail)
{
    QString chemin = QDir::home().filePath(travail.fichier);
    for (;;) {
        chemin = QFileDialog::getSaveFileName(fenetre, "Enregistrer en PDF", chemin, "Documents PDF (*.pdf)");
        if (chemin.isEmpty())
            return;
        if (!chemin.endsWith(".pdf", Qt::CaseInsensitive))
            chemin += ".pdf";
        QString raison = essayer(chemin);
        if (raison.isEmpty()) {
            QPrinter pdf(QPrinter::HighResolution);
            pdf.setOutputFileName(chemin);
            pdf.setDocName(travail.nom);
            Issue issue = tracer(fenetre, pdf, travail);
            raison = issue == Issue::fait ? verifier(chemin) : raison_d_echec(EIO, chemin);
            if (issue == Issue::fait && raison.isEmpty())
                return;
            QFile::remove(chemin);  // nothing half written stays behind
            if (issue == Issue::annule)
                return;
        }
        if (!demander(fenetre, {"Le fichier PDF n'a pas pu être écrit : " + raison.toStdString() +
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

QString raison_d_echec(int erreur, const QString& chemin)
{
    QString dossier = QDir::toNativeSeparators(QFileInfo(chemin).absolutePath());
    switch (erreur) {
    case ENOENT:
    case ENOTDIR: return "le dossier « " + dossier + " » n'existe pas.";
    case EACCES:
    case EPERM: return "vous n'avez pas le droit d'écrire dans le dossier « " + dossier + " ».";
    case EROFS: return "le dossier « " + dossier + " » est en lecture seule.";
    case ENOSPC:
    case EDQUOT: return "le disque est plein.";
    case EIO: return "l'écriture s'est arrêtée avant la fin.";
    case EISDIR: return "« " + QDir::toNativeSeparators(chemin) + " » est un dossier.";
    default: return "le système a refusé de l'écrire (" + QString::fromLocal8Bit(strerror(erreur)) + ").";
    }
}

QString date_du_jour()
{
    return QLocale(QLocale::French, QLocale::France).toString(QDate::currentDate(), QLocale::ShortFormat);
}
