// The report of the largest hypothesis table (years 2 to 240, rates 1 % to
// 25 %), from the click on "Imprimer" until the job is in CUPS's hands, and
// saved as a PDF file where there is no printer: time, peak memory above the
// window's, pages and size.
#include "banc.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cups/cups.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

long statut_kio(const std::string& champ)
{
    std::ifstream status("/proc/self/status");
    for (std::string ligne; std::getline(status, ligne);)
        if (ligne.rfind(champ + ":", 0) == 0)
            return std::stol(ligne.substr(champ.size() + 1));
    return -1;
}

// Milliseconds the print command takes, and the peak memory it adds (the
// kernel's high-water mark, reset first), answering Yes and giving `pdf` to
// whatever asks.
std::pair<double, long> chronometrer(QAction* imprimer, const QString& pdf)
{
    QTimer reponses;
    QObject::connect(&reponses, &QTimer::timeout, [&] {
        QWidget* modale = QApplication::activeModalWidget();
        if (auto* boite = qobject_cast<QMessageBox*>(modale))
            boite->done(QMessageBox::Yes);
        else if (auto* dialogue = qobject_cast<QFileDialog*>(modale))
            dialogue->selectFile(pdf), static_cast<QDialog*>(dialogue)->accept();
    });
    reponses.start(1);
    std::ofstream("/proc/self/clear_refs") << "5";
    long avant = statut_kio("VmRSS");
    QElapsedTimer chrono;
    chrono.start();
    imprimer->trigger();
    return {chrono.nsecsElapsed() / 1e6, statut_kio("VmHWM") - avant};
}

// The report of the largest table, on the default printer and in a PDF file.
int mesurer(FenetrePrincipale& fenetre)
{
    if (!preparer_plus_grand_tableau(fenetre))
        return 1;
    QTest::mouseClick(fenetre.findChild<QWidget*>("Command1"), Qt::LeftButton);
    auto* imprimer = fenetre.findChild<QAction*>("mnimprim");

    // The PDF file first: CUPS turns the job into pages afterwards, on the same cores.
    bool imprimante = !QPrinterInfo::defaultPrinter().isNull();
    QTemporaryDir dossier;
    dossier.setAutoRemove(qEnvironmentVariableIsEmpty("GARDER_PDF"));
    QString pdf = dossier.filePath("rapport.pdf");
    cupsSetServer("/nonexistent/cups.sock");  // no printer: the PDF is offered
    auto [ms, kio] = chronometrer(imprimer, pdf);
    std::printf("Vers un fichier PDF : %.0f ms, %ld Kio de plus au maximum, %.0f Kio\n", ms, kio,
                QFileInfo(pdf).size() / 1024.0);
    cupsSetServer(nullptr);
    if (imprimante) {
        auto [ms, kio] = chronometrer(imprimer, {});
        std::printf("Vers CUPS (imprimante par défaut) : %.0f ms, %ld Kio de plus au maximum\n", ms, kio);
    } else {
        std::printf("Vers CUPS : pas d'imprimante par défaut, mesure sautée\n");
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    return sur_la_fenetre(argc, argv, mesurer);
}
