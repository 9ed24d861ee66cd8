// The comparison window on a keystroke: six offers of two 300-month loans,
// every figure recomputed and shown, from one key typed in the chosen offer's
// rate until Qt has painted what changed.
#include "banc.h"
#include "six_offres.h"

#include "credit/fichier_dossier.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

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
            double mediane = mediane_des_frappes([&](int i) {
                QTest::keyClick(taux, i % 2 ? Qt::Key_Backspace : Qt::Key_5);
                QApplication::processEvents();
            });
            std::printf("Frappe jusqu'à la comparaison repeinte, onglet %s : %.2f ms (médiane de 41)\n",
                        onglet ? "graphique" : "tableau", mediane);
        }
        return 0;
    });
}
