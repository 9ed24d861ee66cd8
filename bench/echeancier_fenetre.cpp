// The schedule window on a keystroke: a 480-month loan recomputed and shown
// in its table and chart, painted, from one changed character of its rate.
#include "banc.h"

#include <QAction>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[])
{
    return sur_la_fenetre(argc, argv, [](FenetrePrincipale& fenetre) {
        fenetre.findChild<QAction*>("mnecheancier")->trigger();
        auto* echeancier = fenetre.findChild<QWidget*>("Echeancier");
        if (!echeancier || !QTest::qWaitForWindowExposed(echeancier))
            return 1;
        echeancier->findChild<QLineEdit*>("montant")->setText("350000");
        echeancier->findChild<QLineEdit*>("nombre")->setText("480");
        echeancier->findChild<QLineEdit*>("taux_assurance")->setText("0,36");
        auto* taux = echeancier->findChild<QLineEdit*>("taux");
        auto* onglets = echeancier->findChild<QTabWidget*>();

        for (int onglet : {0, 1}) {
            onglets->setCurrentIndex(onglet);
            double mediane = mediane_des_frappes([&](int i) {
                taux->setText(i % 2 ? "3,45" : "3,4");
                echeancier->repaint();
            });
            std::printf("Frappe jusqu'à la fenêtre repeinte, onglet %s : %.2f ms (médiane de 41)\n",
                        onglet ? "graphique" : "échéancier", mediane);
        }
        return 0;
    });
}
