// The comparison window on a keystroke: six offers of two 300-month loans,
// every figure recomputed and shown, from one key typed in the chosen offer's
// rate until Qt has painted what changed.
#include "banc.h"
#include "six_offres.h"

#include "credit/fichier_dossier.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

bool ouvrir_six_offres(FenetrePrincipale& fenetre, const QTemporaryDir& dossier)
{
    QFile fichier(dossier.filePath("six.tarvio"));
    if (!fichier.open(QIODevice::WriteOnly))
        return false;
    fichier.write(QByteArray::fromStdString(credit::ecrire_dossier(six_offres())));
    fichier.close();
    return fenetre.ouvrir_dossier(fichier.fileName());
}

}  // namespace

int main(int argc, char* argv[])
{
    return sur_la_fenetre(argc, argv, [](FenetrePrincipale& fenetre) {
        QTemporaryDir dossier;
        if (!ouvrir_six_offres(fenetre, dossier))
            return 1;
        auto* comparaison = fenetre.findChild<QMainWindow*>("Comparaison");
        if (!QTest::qWaitForWindowExposed(comparaison))
            return 1;
        auto* taux = comparaison->findChild<QWidget*>("offre")->findChild<QLineEdit*>("taux");
        taux->setFocus();
        taux->end(false);
        auto* onglets = comparaison->findChild<QTabWidget*>("onglets");
        for (int onglet : {0, 1}) {
            onglets->setCurrentIndex(onglet);
            std::vector<double> temps;
            for (int i = 0; i < 41; ++i) {
                QElapsedTimer chrono;
                chrono.start();
                if (i % 2)
                    QTest::keyClick(taux, Qt::Key_Backspace);
                else
                    QTest::keyClick(taux, '5');
                QApplication::processEvents();
                temps.push_back(chrono.nsecsElapsed() / 1e6);
            }
            std::nth_element(temps.begin(), temps.begin() + 20, temps.end());
            std::printf("Frappe jusqu'à la comparaison repeinte, onglet %s : %.2f ms (médiane de 41)\n",
                        onglet ? "graphique" : "tableau", temps[20]);
        }
        return 0;
    });
}
