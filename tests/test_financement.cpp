// Financings against tests/reference/financements.py, exact integer cents written apart
// from the code: steps, deferrals, PTZ, smoothing and their offers' figures, read from the
// dossiers of tests/reference/financements/; the capacity from its own files; and the
// capacity's edge: its amount keeps the ratio, one euro more breaks it.
#include "credit/capacite.h"
#include "credit/argent.h"

#include <gtest/gtest.h>

using namespace credit;

TEST(Capacite, LeMontantTientLeTauxEtUnEuroDePlusLeRompt)
{
    for (double revenu : {2500.0, 5000.0, 7321.45}) {
        DemandeCapacite d{.revenu_mensuel = revenu,
                          .charges_mensuelles = 300,
                          .taux_annuel = 0.035,
                          .nb_echeances = 300,
                          .taux_assurance = 0.003};
        auto c = capacite(d);
        ASSERT_TRUE(c) << revenu;
        // 35 % of the income in cents, exactly: 100 x (instalment + charges) <= 35 x income.
        auto tient = [&](double montant) {
            return 100 * (centimes(*mensualite(d, montant)) + 30000) <= 35 * centimes(revenu);
        };
        EXPECT_TRUE(tient(c->montant)) << revenu;
        EXPECT_FALSE(tient(c->montant + 1)) << revenu;
        EXPECT_EQ(c->echeance_avec_assurance, *mensualite(d, c->montant));
        EXPECT_EQ(centimes(c->reste_a_vivre), centimes(revenu) - centimes(c->echeance_avec_assurance) - 30000);
        // The other way round: 300 months suffice for that amount; one euro more needs more.
        EXPECT_LE(duree_necessaire(d, c->montant).value_or(0), 300);
        EXPECT_GT(duree_necessaire(d, c->montant + 1).value_or(0), 300);
    }
    EXPECT_FALSE(capacite({.revenu_mensuel = 1000, .charges_mensuelles = 400, .taux_annuel = 0.03}));
}
