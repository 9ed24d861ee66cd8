// Number of instalments and interest rate, without a window. NPer and Rate
// values: see test_annuite.cpp.
#include "calculateurs.h"

#include <gtest/gtest.h>

using namespace calc;

namespace {

std::string legende(const Resultat& r)
{
    return r.legende.value_or("(none)");
}

const Message incoherent{"Vérifier vos critères ! \r\nil y en a forcément un qui est incohérant !"};
const Message case_vide_nb{"vous avez oublié de remplir une case !", "Calcul du Nb mensualités", Icone::critique};
const Message case_vide_taux{"vous avez oublier une case !", "Calcul du taux d'intéret", Icone::critique};
const Message pour_rien{"Il semble que vous prêtiez pour rien !\r\nL'une de vos données n'est pas juste !"};

}  // namespace

TEST(NbMens, NombreArrondiAuDessus)
{
    EXPECT_EQ(legende(nb_mens("10000", "5", "200", false)), "Nombre de Mensualités : 57 mois");
    EXPECT_EQ(legende(nb_mens("10000", "0.05", "200", false)), "Nombre de Mensualités : 57 mois");
    EXPECT_EQ(legende(nb_mens("10000", "0,05", "200", false)), "Nombre de Mensualités : 57 mois");
    EXPECT_EQ(legende(nb_mens("10000", "5", "200", true)), "Nombre d' annuités : 5 années");
    EXPECT_EQ(legende(nb_mens("10000", "5", "42", false)), "Nombre de Mensualités : 1188 mois");
    EXPECT_EQ(legende(nb_mens("1200", "0.00005", "100", false)), "Nombre de Mensualités : 12 mois");  // rate shown as 0
    EXPECT_EQ(legende(nb_mens("150000", "4", "905.95", false)), "Nombre de Mensualités : 242 mois");
    EXPECT_TRUE(nb_mens("10000", "5", "200", false).messages.empty());
}

TEST(NbMens, CaseVideEtCriteresIncoherents)
{
    for (auto [a, t, m] : {std::tuple{"0", "5", "200"}, {"10000", "0.00", "200"}, {"10000", "5", "0,0"},
                           {"", "5", "200"}, {"10000", "-", "200"}, {"10000", "5", "1.2.3"}}) {
        Resultat r = nb_mens(a, t, m, false);
        EXPECT_EQ(r.messages, std::vector<Message>{case_vide_nb}) << a << ' ' << t << ' ' << m;
        EXPECT_FALSE(r.remettre_a_zero);
        EXPECT_FALSE(r.legende);
    }
    // No count exists: the instalment is below, or exactly, one period's
    // interest, or the rate per period is -100 % or less.
    for (auto [a, t, m] : {std::tuple{"10000", "1", "200"}, {"10000", "5", "41"}, {"10000", "12", "100"},
                           {"10000", "-1500", "200"}}) {
        Resultat r = nb_mens(a, t, m, false);
        EXPECT_EQ(r.messages, std::vector<Message>{incoherent}) << a << ' ' << t << ' ' << m;
        EXPECT_TRUE(r.remettre_a_zero);
        EXPECT_FALSE(r.legende);
    }
}

TEST(CalculTaux, FormulesSimpleEtConstante)
{
    EXPECT_EQ(legende(calcul_taux("10000", "200", "60", 0, false)), "Taux à : 4,00 %");
    EXPECT_EQ(legende(calcul_taux("10000", "200", "60", 2, false)), "Taux à : 7,42 %");
    EXPECT_EQ(legende(calcul_taux("10000", "875", "12", 0, false)), "Taux à : 5,00 %");
    EXPECT_EQ(legende(calcul_taux("150000", "905.950658", "240", 2, false)), "Taux à : 3,96 %");
    EXPECT_EQ(legende(calcul_taux("12000", "1000", "12", 2, false)), "Taux à : 0,00 %");

    Resultat annees = calcul_taux("10000", "200", "60", 2, true);
    EXPECT_EQ(annees.messages.at(0).texte, "Résultat pour un calcul basé sur\r\n des données exprimées en MOIS !");
    EXPECT_EQ(legende(annees), "Taux à : 7,42 %");
}

TEST(CalculTaux, RefusSansResultat)
{
    auto refus = [](const Resultat& r, const Message& m, bool remise) {
        return r.messages == std::vector<Message>{m} && r.remettre_a_zero == remise && !r.legende;
    };
    EXPECT_TRUE(refus(calcul_taux("10000", "150", "60", 0, false), pour_rien, true));  // -2 %
    EXPECT_TRUE(refus(calcul_taux("10000", "0.00", "60", 0, false), pour_rien, true));  // "0.00" is no "0"
    for (int formule : {0, 1, 2})
        EXPECT_TRUE(refus(calcul_taux("10000", "0", "60", formule, false), case_vide_taux, false));
    EXPECT_TRUE(refus(calcul_taux("0.00", "200", "60", 0, false), case_vide_taux, false));   // would divide by 0
    EXPECT_TRUE(refus(calcul_taux("10000", "200", "00", 0, false), case_vide_taux, false));
    EXPECT_TRUE(refus(calcul_taux("10000", "", "60", 2, false), case_vide_taux, false));
    EXPECT_TRUE(refus(calcul_taux("10000", "-200", "60", 2, false), pour_rien, true));      // no rate exists
    EXPECT_TRUE(refus(calcul_taux("0.00", "200", "60", 2, false), pour_rien, true));

    Resultat composes = calcul_taux("10000", "200", "60", 1, true);
    EXPECT_EQ(composes.messages, std::vector<Message>{{"rien n'est prévu pour cette option"}});
    EXPECT_TRUE(composes.remettre_a_zero && composes.revenir_aux_interets_simples);
}
