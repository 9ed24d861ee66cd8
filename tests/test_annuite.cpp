// Annuity functions against values computed independently with Python's
// decimal module at 60 digits (inputs taken as the exact binary doubles).
#include "annuite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

using namespace calc;

namespace {

::testing::AssertionResult proche(std::optional<double> obtenu, double attendu, double tolerance = 1e-12)
{
    if (!obtenu)
        return ::testing::AssertionFailure() << "no result, expected " << attendu;
    double ecart = std::fabs(*obtenu - attendu) / std::max(std::fabs(attendu), 1e-300);
    if (ecart <= tolerance || std::fabs(*obtenu - attendu) <= 1e-12 * (std::fabs(attendu) < 1 ? 1 : 0))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::setprecision(17) << *obtenu << " instead of " << attendu
                                         << " (relative " << ecart << ")";
}

}  // namespace

TEST(CalculEcheance, TableauDesTroisFormules)
{
    struct Cas { double a, r; std::int16_t n; int u; double attendu[3]; };
    const Cas cas[] = {
        {10000, 0.05, 12, 12, {875, 895.14877222795485, 852.52264021709993}},
        {10000, 0.05, 10, 1, {1500, 2009.0410124221787, 1233.3769044329208}},
        {10000, 0.05, 1, 12, {10041.666666666666, 10040.741237836482, 10000}},
        {150000, 0.04, 240, 12, {1125, 1985.0494541127439, 905.95065842105771}},
    };
    for (const Cas& c : cas)
        for (int formule = 0; formule < 3; ++formule)
            EXPECT_TRUE(proche(calcul_echeance(formule, c.a, c.r, c.n, c.u), c.attendu[formule]))
                << "formula " << formule << ", n " << c.n << ", u " << c.u;
    EXPECT_EQ(calcul_echeance(2, 10000, 0.05, 1, 12), 10000.0);  // due at once: no interest
}

TEST(CalculEcheance, TauxNulTauxExtremesEtCasSansResultat)
{
    for (int formule = 0; formule < 3; ++formule) {
        EXPECT_TRUE(proche(calcul_echeance(formule, 10000, 0, 12, 12), 10000.0 / 12));
        EXPECT_EQ(calcul_echeance(formule, 10000, 0.05, 0, 12), std::nullopt);  // no period
        EXPECT_TRUE(calcul_echeance(formule, 10000, 0.05, -5, 12).has_value());  // finite, shown as it comes
    }
    EXPECT_TRUE(proche(calcul_echeance(1, 10000, -0.5, 7, 1), 0.61515748031496065));
    EXPECT_TRUE(proche(calcul_echeance(2, 10000, -0.5, 600, 12), 3.5336924416828139e-09, 1e-11));
    EXPECT_TRUE(proche(calcul_echeance(1, 1e9, 1, 600, 12), 8.6607685141740313e+22));
    EXPECT_TRUE(proche(calcul_echeance(2, 1e9, 1, 600, 12), 76923076.923076928));
    EXPECT_EQ(calcul_echeance(1, 10000, -1.5, 7, 12), std::nullopt);  // fractional power of a negative
    EXPECT_EQ(calcul_echeance(3, 10000, 0.05, 12, 12), std::nullopt);
    EXPECT_EQ(calcul_echeance(1, 1e308, 1, 600, 1), std::nullopt);  // overflow
}

TEST(Pmt, PetitsTauxEtExtremesSansPerteDeChiffres)
{
    EXPECT_TRUE(proche(pmt(1e-9, 360, -100000), 277.77782791666965));
    EXPECT_TRUE(proche(pmt(1e-9, 360, -100000, 0, 1), 277.77782763889184));
    EXPECT_TRUE(proche(pmt(1e-15, 600, -1e9), 1666666.6666671676));
    EXPECT_TRUE(proche(pmt(1, 600, -1e9), 1e9));
    EXPECT_TRUE(proche(pmt(-0.5, 600, -1), 1.2049599325514421e-181));
    EXPECT_TRUE(proche(pmt(0.004, 120, -20000, 5000, 1), 176.92822234583991));
    EXPECT_TRUE(proche(pmt(0, 12, -1200, 600), 50));
    EXPECT_TRUE(proche(pmt(-2, 3, -1), -1));  // (1+r)^3 = -1: a whole power has a value
    EXPECT_EQ(pmt(0.05, 0, -1000), std::nullopt);
    EXPECT_EQ(pmt(0, 0, -1000), std::nullopt);
    EXPECT_EQ(pmt(-1, 12, -1000, 0, 1), std::nullopt);
    EXPECT_EQ(pmt(-2, 2.5, -1000), std::nullopt);
    EXPECT_EQ(pmt(NAN, 12, -1000), std::nullopt);
}

TEST(Nper, DureesEtInstalmentsAPeineAuDessusDeLInteret)
{
    EXPECT_TRUE(proche(nper(0.00417, -200, 10000), 56.190068943267136));
    EXPECT_TRUE(proche(nper(0.05, -2400, 10000), 4.7881546446582659));
    EXPECT_TRUE(proche(nper(0.00333, -905.95, 150000), 241.09819620873634));
    EXPECT_TRUE(proche(nper(0.01, -100.000001, 10000), 1851.2631419380227));
    EXPECT_TRUE(proche(nper(0.01, -101.000001, 10000, 0, 1), 394.65377493319266));
    EXPECT_TRUE(proche(nper(1e-12, -100, 10000), 100.00000000505));
    EXPECT_TRUE(proche(nper(1e-9, -100, 10000, 500, 1), 105.00000493500032));
    EXPECT_TRUE(proche(nper(-0.3, -100, 1000), 3.8867164197494639));
    EXPECT_TRUE(proche(nper(0, -100, 1200), 12));
    EXPECT_EQ(nper(0.05 / 12, -41, 10000), std::nullopt);  // below one month's interest
    EXPECT_EQ(nper(0.01, -100, 10000), std::nullopt);      // exactly the interest
    EXPECT_EQ(nper(0, 0, 1200), std::nullopt);
    EXPECT_EQ(nper(-1, -100, 1000), std::nullopt);
    EXPECT_EQ(nper(-1.5, -100, 1000), std::nullopt);
    EXPECT_EQ(nper(1e-300, -1e-300, 1e300), std::nullopt);
}

TEST(Rate, RacinesTrouveesLaOuLesTableursAbandonnent)
{
    EXPECT_TRUE(proche(rate(60, -200, 10000), 0.0061834131612539638));
    EXPECT_TRUE(proche(rate(240, -905.950658, 150000), 0.0033014645472881918));
    EXPECT_TRUE(proche(rate(48, -250, 10000, -1000, 1), 0.01090327547230354));
    EXPECT_TRUE(proche(rate(10, -100, 10000), -0.28778801311808916));
    EXPECT_TRUE(proche(rate(360, -27.7777792, 10000), 2.8365650512538846e-10, 1e-9));
    EXPECT_TRUE(proche(rate(2, -1e9, 1), 1e9));
    EXPECT_TRUE(proche(rate(7.5, -1600, 10000), 0.044924086395714866));
    EXPECT_TRUE(proche(rate(12, -100, 1200), 0));
    EXPECT_TRUE(proche(rate(60, -200, 10000, 0, 0, -0.99), 0.0061834131612539638));
    EXPECT_TRUE(proche(rate(60, -200, 10000, 0, 0, 1e6), 0.0061834131612539638));
}

TEST(Rate, PlusieursRacinesEtAucune)
{
    // Flows -100, +230, -132: 10 % and 20 % both balance them.
    for (auto [guess, attendu] : {std::pair{0.1, 0.1}, {0.14, 0.1}, {0.16, 0.2}, {0.3, 0.2}, {-0.5, 0.1}})
        EXPECT_TRUE(proche(rate(2, 230, -100, -362, 0, guess), attendu)) << "guess " << guess;
    EXPECT_EQ(rate(60, 200, 10000), std::nullopt);           // all flows one way
    EXPECT_EQ(rate(10, 200, 10000, 0, 1), std::nullopt);     // only r = -1 would do
    EXPECT_EQ(rate(10, -100, 0, 0, 1), std::nullopt);
    EXPECT_EQ(rate(0, -200, 10000), std::nullopt);
    EXPECT_EQ(rate(60, -200, INFINITY), std::nullopt);
    EXPECT_EQ(rate(60, 0, 0), std::nullopt);
}

TEST(Annuite, AllerRetourEntrePmtNperEtRate)
{
    // Whatever the rate, count, timing and balloon, the three functions agree:
    // the count and rate found for a payment give that payment back. (Where
    // (1+r)^n vanishes beside 1 or 1 beside it, the payment no longer tells the count.)
    for (double r : {-0.45, -0.01, 1e-9, 0.001, 0.05, 0.9})
        for (double n : {1.0, 12.0, 360.0, 600.0})
            for (int type : {0, 1})
                for (double fv : {0.0, 2500.0}) {
                    if (std::fabs(n * std::log1p(r)) > 30)
                        continue;
                    auto paiement = pmt(r, n, 10000, fv, type);
                    ASSERT_TRUE(paiement) << r << ' ' << n;
                    auto periodes = nper(r, *paiement, 10000, fv, type);
                    auto taux = rate(n, *paiement, 10000, fv, type, r + 0.01);
                    ASSERT_TRUE(periodes && taux) << r << ' ' << n << ' ' << type << ' ' << fv;
                    EXPECT_TRUE(proche(pmt(r, *periodes, 10000, fv, type), *paiement, 1e-11));
                    EXPECT_TRUE(proche(pmt(*taux, n, 10000, fv, type), *paiement, 1e-12))
                        << r << ' ' << n << ' ' << type << ' ' << fv;
                }
}
