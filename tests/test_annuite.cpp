// Annuity functions against values computed independently with Python's
// decimal module at 60 digits (inputs taken as the exact binary doubles), and
// the two calculators built on them: number of instalments and interest rate.
#include "calc/annuite.h"
#include "calc/calculateurs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

using namespace calc;

namespace {

::testing::AssertionResult proche(std::optional<double> obtenu, double attendu, double tolerance = 1e-12)
{
    if (!obtenu)
        return ::testing::AssertionFailure() << "no result, expected " << attendu;
    if (std::fabs(*obtenu - attendu) <= tolerance * (attendu == 0 ? 1 : std::fabs(attendu)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::setprecision(17) << *obtenu << " instead of " << attendu;
}

std::string legende(const Resultat& r)
{
    return r.legende.value_or("(none)");
}

// Only this message, the boxes reset or not, no result and no loan for the schedule.
bool refus(const Resultat& r, const std::string& texte, bool remise)
{
    return r.messages.size() == 1 && r.messages[0].texte == texte && r.remettre_a_zero == remise && !r.legende &&
           !r.depart;
}

}  // namespace

TEST(Annuite, ValeursAuxLimitesOuSansResultat)
{
    // amount, annual rate, count, periods a year, then formulas 0, 1 and 2
    // clang-format off
    const std::tuple<double, double, std::int16_t, int, std::array<double, 3>> cas[] = {
        {10000, 0.05, 12, 12, {875, 895.14877222795485, 852.52264021709993}},
        {10000, 0.05, 10, 1, {1500, 2009.0410124221787, 1233.3769044329208}},
        {150000, 0.04, 240, 12, {1125, 1985.0494541127439, 905.95065842105771}},
        {10000, 0, 12, 12, {10000.0 / 12, 10000.0 / 12, 10000.0 / 12}}};
    // clang-format on
    for (const auto& [a, r, n, u, attendu] : cas)
        for (int formule = 0; formule < 3; ++formule)
            EXPECT_TRUE(proche(calcul_echeance(Formule(formule), a, r, n, u), attendu[formule])) << formule;
    EXPECT_TRUE(
        proche(calcul_echeance(Formule::interets_constants, 10000, -0.5, 600, 12), 3.5336924416828139e-09, 1e-11));
    EXPECT_TRUE(
        calcul_echeance(Formule::interets_constants, 10000, 0.05, -5, 12).has_value());  // finite, shown as it comes
    EXPECT_EQ(calcul_echeance(Formule::interets_constants, 10000, 0.05, 0, 12), std::nullopt);
    EXPECT_EQ(calcul_echeance(Formule::interets_composes, 10000, -1.5, 7, 12),
              std::nullopt);  // fractional power of a negative
    EXPECT_EQ(calcul_echeance(Formule::interets_composes, 1e308, 1, 600, 1), std::nullopt);  // overflow

    EXPECT_TRUE(proche(pmt(1e-9, 360, -100000), 277.77782791666965));
    EXPECT_TRUE(proche(pmt(-0.5, 600, -1), 1.2049599325514421e-181));
    EXPECT_TRUE(proche(pmt(0.004, 120, -20000, 5000, 1), 176.92822234583991));
    EXPECT_TRUE(proche(pmt(-2, 3, -1), -1));  // (1+r)^3 = -1: a whole power has a value
    for (auto [r, n] : {std::pair{0.05, 0.0}, {-1.0, 12.0}, {-2.0, 2.5}, {NAN, 12.0}})
        EXPECT_EQ(pmt(r, n, -1000, 0, 1), std::nullopt) << r << ' ' << n;

    EXPECT_TRUE(proche(nper(0.01, -100.000001, 10000), 1851.2631419380227));
    EXPECT_TRUE(proche(nper(1e-12, -100, 10000), 100.00000000505));
    EXPECT_TRUE(proche(nper(1e-9, -100, 10000, 500, 1), 105.00000493500032));
    EXPECT_EQ(nper(0.01, -100, 10000), std::nullopt);  // exactly the interest
    EXPECT_EQ(nper(-1, -100, 10000), std::nullopt);
    EXPECT_EQ(nper(1e-300, -1e-300, 1e300), std::nullopt);

    EXPECT_TRUE(proche(rate(240, -905.950658, 150000), 0.0033014645472881918));
    EXPECT_TRUE(proche(rate(360, -27.7777792, 10000), 2.8365650512538846e-10, 1e-8));  // ill-conditioned
    EXPECT_TRUE(proche(rate(2, -1e9, 1), 1e9));
    EXPECT_TRUE(proche(rate(60, -200, 10000, 0, 0, 1e6), 0.0061834131612539638));  // any guess
    // Flows -100, +230, -132: 10 % and 20 % both balance them; the nearest to the guess wins.
    for (auto [guess, attendu] : {std::pair{0.14, 0.1}, {0.16, 0.2}, {-0.5, 0.1}})
        EXPECT_TRUE(proche(rate(2, 230, -100, -362, 0, guess), attendu)) << guess;
    EXPECT_EQ(rate(60, 200, 10000), std::nullopt);        // all flows one way
    EXPECT_EQ(rate(10, 200, 10000, 0, 1), std::nullopt);  // only r = -1 would do
}

// The count and rate found for a payment give that payment back. (Where
// (1+r)^n vanishes beside 1 or 1 beside it, the payment no longer tells the count.)
TEST(Annuite, AllerRetourEntrePmtNperEtRate)
{
    for (double r : {-0.45, -0.01, 1e-9, 0.05, 0.9})
        for (double n : {1.0, 12.0, 360.0})
            for (int type : {0, 1})
                for (double fv : {0.0, 2500.0}) {
                    if (std::fabs(n * std::log1p(r)) > 30)
                        continue;
                    auto paiement = pmt(r, n, 10000, fv, type);
                    auto periodes = nper(r, paiement.value_or(0), 10000, fv, type);
                    auto taux = rate(n, paiement.value_or(0), 10000, fv, type, r + 0.01);
                    ASSERT_TRUE(paiement && periodes && taux) << r << ' ' << n << ' ' << type << ' ' << fv;
                    EXPECT_TRUE(proche(pmt(r, *periodes, 10000, fv, type), *paiement, 1e-11));
                    EXPECT_TRUE(proche(pmt(*taux, n, 10000, fv, type), *paiement));
                }
}

TEST(Calculateurs, NbMensArrondiAuDessusEtCalculTauxOuRefus)
{
    // Above 1 a percentage, 1 or below a fraction: 5 and 0,05 are 5 %, 1 is 100 % and 1,01 is 1,01 %.
    // 4 % is 0.00333 a month as shown, not 0.0033333: 42,998 months, not 43,002.
    // clang-format off
    for (auto [taux, echeance, mois] : {std::tuple{"5", "200", "57"}, {"0,05", "200", "57"}, {"4", "250", "43"},
                                        {"1", "1000", "23"}, {"1,01", "1000", "11"}})
        // clang-format on
        EXPECT_EQ(legende(nb_mens({"10000", taux, echeance, false})),
                  "Nombre de Mensualités : " + std::string(mois) + " mois")
            << taux;
    EXPECT_EQ(legende(nb_mens({"10000", "5", "200", true})), "Nombre d' annuités : 5 années");

    EXPECT_EQ(nb_mens({"", "5", "200", false}).messages.at(0).titre, "Calcul du Nb mensualités");
    for (auto [a, t, m] : {std::tuple{"0", "5", "200"}, {"10000", "0.00", "200"}, {"10000", "5", "1.2.3"}})
        EXPECT_TRUE(refus(nb_mens({a, t, m, false}), "vous avez oublié de remplir une case !", false)) << a << t << m;
    // No count exists: the instalment is below, or exactly, one period's
    // interest, or the rate per period is -100 % or less.
    const std::string incoherent = "Vérifier vos critères ! \r\nil y en a forcément un qui est incohérant !";
    for (auto [t, m] : {std::pair{"5", "41"}, {"12", "100"}, {"-1200", "200"}})
        EXPECT_TRUE(refus(nb_mens({"10000", t, m, false}), incoherent, true)) << t << ' ' << m;

    EXPECT_EQ(legende(calcul_taux({"10000", "200", "60", Formule::interets_simples, false})), "Taux à : 4,00 %");
    EXPECT_EQ(legende(calcul_taux({"150000", "905.950658", "240", Formule::interets_constants, false})),
              "Taux à : 3,96 %");
    EXPECT_EQ(legende(calcul_taux({"12000", "1000", "12", Formule::interets_constants, false})), "Taux à : 0,00 %");
    Resultat annees = calcul_taux({"10000", "200", "60", Formule::interets_constants, true});
    EXPECT_EQ(annees.messages.at(0).texte, "Résultat pour un calcul basé sur\r\n des données exprimées en MOIS !");
    EXPECT_EQ(legende(annees), "Taux à : 7,42 %");

    const std::string pour_rien = "Il semble que vous prêtiez pour rien !\r\nL'une de vos données n'est pas juste !";
    // -2 %; "0.00" is no "0"; no rate exists
    for (auto [m, formule] : {std::pair{"150", Formule::interets_simples},
                              {"0.00", Formule::interets_simples},
                              {"-200", Formule::interets_constants}})
        EXPECT_TRUE(refus(calcul_taux({"10000", m, "60", formule, false}), pour_rien, true)) << m;
    for (auto [a, m, n] :
         {std::tuple{"10000", "0", "60"}, {"0.00", "200", "60"}, {"10000", "200", "00"}, {"10000", "", "60"}})
        EXPECT_TRUE(
            refus(calcul_taux({a, m, n, Formule::interets_simples, false}), "vous avez oublier une case !", false))
            << a << m << n;

    Resultat composes = calcul_taux({"10000", "200", "60", Formule::interets_composes, true});
    EXPECT_TRUE(refus(composes, "rien n'est prévu pour cette option", true));
    EXPECT_TRUE(composes.revenir_aux_interets_simples);
}
