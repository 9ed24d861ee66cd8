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

// Only this message, the boxes reset or not, no result.
bool refus(const Resultat& r, const std::string& texte, bool remise)
{
    return r.messages.size() == 1 && r.messages[0].texte == texte && r.remettre_a_zero == remise && !r.legende;
}

const std::string incoherent = "Vérifier vos critères ! \r\nil y en a forcément un qui est incohérant !";
const std::string case_vide_nb = "vous avez oublié de remplir une case !";
const std::string case_vide_taux = "vous avez oublier une case !";
const std::string pour_rien = "Il semble que vous prêtiez pour rien !\r\nL'une de vos données n'est pas juste !";

}  // namespace

TEST(NbMens, NombreArrondiAuDessusOuRefus)
{
    for (const char* taux : {"5", "0.05", "0,05"})  // 5 and 0.05 both mean 5 %
        EXPECT_EQ(legende(nb_mens({"10000", taux, "200", false})), "Nombre de Mensualités : 57 mois");
    EXPECT_EQ(legende(nb_mens({"10000", "5", "200", true})), "Nombre d' annuités : 5 années");
    EXPECT_EQ(legende(nb_mens({"150000", "4", "905.95", false})), "Nombre de Mensualités : 242 mois");
    EXPECT_EQ(nb_mens({"10000", "5", "42", false}).messages.size(), 0u);
    // Above 1 a percentage, 1 or below a fraction: 1 is 100 % a year, 1,01 is 1,01 %.
    for (auto [taux, mois] : {std::pair{"1", "23"}, {"0,99", "22"}, {"1,01", "11"}, {"1.0000001", "11"}})
        EXPECT_EQ(legende(nb_mens({"10000", taux, "1000", false})),
                  "Nombre de Mensualités : " + std::string(mois) + " mois")
            << taux;

    EXPECT_EQ(nb_mens({"", "5", "200", false}).messages.at(0).titre, "Calcul du Nb mensualités");
    for (auto [a, t, m] :
         {std::tuple{"0", "5", "200"}, {"10000", "0.00", "200"}, {"10000", "-", "200"}, {"10000", "5", "1.2.3"}})
        EXPECT_TRUE(refus(nb_mens({a, t, m, false}), case_vide_nb, false)) << a << ' ' << t << ' ' << m;
    // No count exists: the instalment is below, or exactly, one period's
    // interest, or the rate per period is -100 % or less.
    for (auto [t, m] : {std::pair{"5", "41"}, {"12", "100"}, {"-1500", "200"}})
        EXPECT_TRUE(refus(nb_mens({"10000", t, m, false}), incoherent, true)) << t << ' ' << m;
}

TEST(CalculTaux, FormulesEtRefus)
{
    EXPECT_EQ(legende(calcul_taux({"10000", "200", "60", 0, false})), "Taux à : 4,00 %");
    EXPECT_EQ(legende(calcul_taux({"150000", "905.950658", "240", 2, false})), "Taux à : 3,96 %");
    EXPECT_EQ(legende(calcul_taux({"12000", "1000", "12", 2, false})), "Taux à : 0,00 %");
    Resultat annees = calcul_taux({"10000", "200", "60", 2, true});
    EXPECT_EQ(annees.messages.at(0).texte, "Résultat pour un calcul basé sur\r\n des données exprimées en MOIS !");
    EXPECT_EQ(legende(annees), "Taux à : 7,42 %");

    EXPECT_TRUE(refus(calcul_taux({"10000", "150", "60", 0, false}), pour_rien, true));   // -2 %
    EXPECT_TRUE(refus(calcul_taux({"10000", "0.00", "60", 0, false}), pour_rien, true));  // "0.00" is no "0"
    EXPECT_TRUE(refus(calcul_taux({"10000", "-200", "60", 2, false}), pour_rien, true));  // no rate exists
    for (auto [a, m, n] :
         {std::tuple{"10000", "0", "60"}, {"0.00", "200", "60"}, {"10000", "200", "00"}, {"10000", "", "60"}})
        EXPECT_TRUE(refus(calcul_taux({a, m, n, 0, false}), case_vide_taux, false)) << a << ' ' << m << ' ' << n;

    Resultat composes = calcul_taux({"10000", "200", "60", 1, true});
    EXPECT_TRUE(refus(composes, "rien n'est prévu pour cette option", true));
    EXPECT_TRUE(composes.revenir_aux_interets_simples);
}
