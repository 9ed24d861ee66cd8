#include "banc.h"

#include <algorithm>
#include <vector>

#include "commun/application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

int sur_la_fenetre(int argc, char* argv[], const std::function<int(FenetrePrincipale&)>& mesurer)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    preparer_application(application);
    FenetrePrincipale fenetre;
    return mesurer(fenetre);
}

bool preparer_plus_grand_tableau(FenetrePrincipale& fenetre)
{
    fenetre.show();
    if (!QTest::qWaitForWindowExposed(&fenetre))
        return false;
    fenetre.findChild<QRadioButton*>("Option2(1)")->click();
    fenetre.findChild<QLineEdit*>("Text1")->setText("150000");
    fenetre.findChild<QLineEdit*>("Text2")->setText("2");
    fenetre.findChild<QLineEdit*>("Text3")->setText("240");
    fenetre.findChild<QComboBox*>("Combo1")->setCurrentText("1");
    fenetre.findChild<QComboBox*>("Combo2")->setCurrentText("25");
    return true;
}

double mediane_des_frappes(const std::function<void(int)>& frappe)
{
    std::vector<double> temps;
    for (int i = 0; i < 41; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        frappe(i);
        temps.push_back(static_cast<double>(chrono.nsecsElapsed()) / 1e6);
    }
    std::nth_element(temps.begin(), temps.begin() + 20, temps.end());
    return temps[20];
}
