// The largest hypothesis table (years 2 to 240, rates 1 % to 25 %): time from
// the click to the table painted in the grid, against computing the same cells
// alone; growth of the process; time to paint the grid after a page scroll.
#include "banc.h"
#include "principale/grille.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

long rss_kio()
{
    std::ifstream status("/proc/self/status");
    for (std::string ligne; std::getline(status, ligne);)
        if (ligne.rfind("VmRSS:", 0) == 0)
            return std::stol(ligne.substr(6));
    return -1;
}

template <typename F>
double mediane_ms(int fois, F f)
{
    std::vector<double> temps;
    for (int i = 0; i < fois; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        f();
        temps.push_back(chrono.nsecsElapsed() / 1e6);
    }
    std::nth_element(temps.begin(), temps.begin() + fois / 2, temps.end());
    return temps[fois / 2];
}

// The figures of the largest table in the window.
int mesurer(FenetrePrincipale& fenetre)
{
    if (!preparer_plus_grand_tableau(fenetre))
        return 1;
    auto* grille = fenetre.findChild<GrilleHypotheses*>("MSFlexGrid1");
    fenetre.findChild<QRadioButton*>("Option3(2)")->click();
    QApplication::processEvents();

    long avant = rss_kio();
    auto* bouton = fenetre.findChild<QWidget*>("Command1");
    double clic = mediane_ms(21, [&] {
        QTest::mouseClick(bouton, Qt::LeftButton);
        grille->repaint();
    });
    long apres = rss_kio();

    calc::Grille g = calc::prepare_grille({"150000", "2", "240", "1", "25", true});
    double calcul =
        mediane_ms(21, [&] { (void)calc::calcul_hypotheses(g, 150000, calc::Formule::interets_constants, true); });

    QScrollBar* barre = grille->verticalScrollBar();
    double defilement = mediane_ms(41, [&] {
        barre->setValue(barre->value() >= barre->maximum() ? 0 : barre->value() + barre->pageStep());
        grille->repaint();
    });

    std::printf("Grille %d x %d (%d mensualités)\n", grille->model()->rowCount() + 1,
                grille->model()->columnCount() + 1, grille->model()->rowCount() * grille->model()->columnCount());
    std::printf("Clic jusqu'au tableau peint : %.2f ms (médiane de 21)\n", clic);
    std::printf("Calcul et format seuls      : %.2f ms, rapport %.1f\n", calcul, clic / calcul);
    std::printf("Page défilée et repeinte    : %.2f ms (médiane de 41)\n", defilement);
    std::printf("Croissance du processus     : %ld Kio\n", apres - avant);
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    return sur_la_fenetre(argc, argv, mesurer);
}
