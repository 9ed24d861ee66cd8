// Loan schedules and TAEG. Expected values come from tests/reference/echeancier.py (exact
// fractions, its own root finder), from Directive 98/7/EC, Annex III, or are worked by hand.
#include "calc/annuite.h"
#include "credit/echeancier.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

using namespace credit;

namespace {

long long centimes(double euros)
{
    return std::llround(euros * 100);
}

Pret pret(double capital, double taux, int n, int periodes_par_an = 12)
{
    Pret p;
    p.capital = capital, p.taux_annuel = taux, p.nb_echeances = n, p.periodes_par_an = periodes_par_an;
    return p;
}

constexpr auto constant = Amortissement::capital_constant;
constexpr auto annuite = Amortissement::echeances_constantes;
constexpr auto crd = BaseAssurance::capital_restant_du;
constexpr auto initial = BaseAssurance::capital_initial;

// The rules that tie the lines together: whole cents, echeance = interets + capital_amorti, the
// capital owed falling by what each line repays, never below 0, and 0 at the end.
::testing::AssertionResult coherent(const Pret& p, const std::vector<Ligne>& lignes)
{
    if (lignes.size() != static_cast<std::size_t>(p.nb_echeances))
        return ::testing::AssertionFailure() << lignes.size() << " lines";
    long long reste = centimes(p.capital);
    for (const Ligne& l : lignes) {
        for (double montant : {l.echeance, l.interets, l.capital_amorti, l.assurance, l.capital_restant_du})
            if (montant != static_cast<double>(centimes(montant)) / 100)
                return ::testing::AssertionFailure() << "line " << l.numero << ": " << montant << " is no cent";
        reste -= centimes(l.capital_amorti);
        if (centimes(l.interets) + centimes(l.capital_amorti) != centimes(l.echeance) || l.capital_amorti < 0 ||
            centimes(l.capital_restant_du) != reste || reste < 0)
            return ::testing::AssertionFailure() << "line " << l.numero << " breaks the totals";
    }
    if (reste != 0)
        return ::testing::AssertionFailure() << reste << " cents left";
    return ::testing::AssertionSuccess();
}

// echeance, interets, capital_amorti, assurance, capital_restant_du
void attendre_ligne(const Ligne& l, std::array<double, 5> attendu)
{
    std::array<double, 5> obtenu{l.echeance, l.interets, l.capital_amorti, l.assurance, l.capital_restant_du};
    EXPECT_EQ(obtenu, attendu) << "line " << l.numero;
}

}  // namespace

TEST(Echeancier, ArrondiAuCentimeDeLaValeurDecimale)
{
    EXPECT_EQ(echeancier(pret(1000, 0.0345, 12)).at(0).interets, 2.88);  // 2,875
    EXPECT_EQ(echeancier(pret(1240, 0.0135, 12)).at(0).interets, 1.40);  // 1,395; in doubles 1,3949999...
    Pret assure = pret(1650, 0.02, 12);
    assure.assurances = {{.taux = 0.0036}};
    EXPECT_EQ(echeancier(assure).at(0).assurance, 0.50);  // 0,495; in doubles 0,4949999...
    // The annuity is exactly 5 377,995; the double formula falls just below it.
    for (const Ligne& l : echeancier(pret(9999.90, 0.05, 2, 1)))
        EXPECT_EQ(l.echeance, 5378.00);
}

TEST(Echeancier, PretPublieEtSonTaeg)
{
    Pret p = pret(200000, 0.03, 300);
    p.assurances = {{.taux = 0.003}};
    auto lignes = echeancier(p);
    ASSERT_TRUE(coherent(p, lignes));
    attendre_ligne(lignes.front(), {948.42, 500.00, 448.42, 50.00, 199551.58});
    attendre_ligne(lignes.back(), {949.60, 2.37, 947.23, 50.00, 0});
    EXPECT_NEAR(taeg(p).value_or(0), 0.035294857682726325, 1e-12);  // 3,53 %
    p.assurances = {};
    EXPECT_NEAR(taeg(p).value_or(0), 0.030415958689895711, 1e-12);  // 3,04 %

    // Due at the start of each month: the main table's instalment, no interest on line 1.
    p.en_debut_de_periode = true;
    lignes = echeancier(p);
    ASSERT_TRUE(coherent(p, lignes));
    EXPECT_EQ(
        centimes(lignes[0].echeance),
        std::llround(100 * calc::calcul_echeance(calc::Formule::interets_constants, 200000, 0.03, 300, 12).value()));
    attendre_ligne(lignes[0], {946.06, 0, 946.06, 0, 199053.94});
    attendre_ligne(lignes[1], {946.06, 497.63, 448.43, 0, 198605.51});
    attendre_ligne(lignes.back(), {944.83, 2.36, 942.47, 0, 0});
    EXPECT_NEAR(taeg(p).value_or(0), 0.030415932778431173, 1e-12);
}

TEST(Echeancier, CapitalConstantTauxNulEtUneSeuleEcheance)
{
    Pret p = pret(1000, 0.06, 3);
    p.amortissement = constant, p.assurances = {{.taux = 0.0036, .base = crd}};
    auto lignes = echeancier(p);
    ASSERT_TRUE(coherent(p, lignes));
    attendre_ligne(lignes[0], {338.33, 5.00, 333.33, 0.30, 666.67});
    attendre_ligne(lignes[1], {336.66, 3.33, 333.33, 0.20, 333.34});
    attendre_ligne(lignes[2], {335.01, 1.67, 333.34, 0.10, 0});

    p = pret(1000, 0, 3);
    lignes = echeancier(p);
    ASSERT_TRUE(coherent(p, lignes));
    attendre_ligne(lignes[0], {333.33, 0, 333.33, 0, 666.67});
    attendre_ligne(lignes[2], {333.34, 0, 333.34, 0, 0});
    p = pret(1000, 0.0345, 1);
    lignes = echeancier(p);
    ASSERT_TRUE(coherent(p, lignes));
    attendre_ligne(lignes[0], {1002.88, 2.88, 1000, 0, 0});
}

TEST(Echeancier, CasLimitesSansIncoherence)
{
    // 7 cents in 12 instalments of 1 cent: paid off at line 7, the lines after it are 0.
    Pret p = pret(0.07, 0, 12);
    auto lignes = echeancier(p);
    ASSERT_TRUE(coherent(p, lignes));
    EXPECT_EQ(lignes[6].echeance, 0.01);
    EXPECT_EQ(lignes[7].echeance, 0);
    // A negative rate: negative interest, and with constant capital the lender pays at first.
    p = pret(10000, -0.5, 4, 1);
    p.amortissement = constant;
    lignes = echeancier(p);
    ASSERT_TRUE(coherent(p, lignes));
    attendre_ligne(lignes[0], {-2500, -5000, 2500, 0, 7500});
    attendre_ligne(lignes[3], {1250, -1250, 2500, 0, 0});
    // Extreme but allowed terms keep the totals.
    for (auto [taux, n, periodes] : {std::tuple{10.0, 1200, 1}, {-9.99, 1200, 12}, {-0.999, 7, 1}, {1e-40, 5, 12}})
        for (auto a : {annuite, constant})
            for (bool debut : {false, true}) {
                p = pret(9'999'999'999.99, taux, n, periodes);
                p.amortissement = a, p.en_debut_de_periode = debut;
                EXPECT_TRUE(coherent(p, echeancier(p))) << taux << ' ' << n << ' ' << debut;
            }
}

TEST(Echeancier, GrosPretEtPretsAleatoiresContreLaReference)
{
    struct Cas {
        double capital, taux;
        int n, periodes;
        Amortissement amortissement;
        bool debut;
        double taux_assurance;
        BaseAssurance base;
        double frais;
        std::array<double, 5> premiere, derniere;
        double interets, assurance, taeg;
    };
    // Printed by tests/reference/echeancier.py.
    // clang-format off
    const Cas cas[] = {
        {10000000, 0.0345, 480, 12, annuite, false, 0, initial, 0,
         {38439.79, 28750.00, 9689.79, 0.00, 9990310.21}, {38443.92, 110.21, 38333.71, 0.00, 0.00},
         8451103.33, 0.00, 0.035050792912839794},
        {585033.94, 0.0681, 51, 12, annuite, false, 0.0025, initial, 1308.19,
         {13243.55, 3320.07, 9923.48, 121.88, 575110.46}, {13243.27, 74.73, 13168.54, 121.88, 0.00},
         90386.83, 6215.88, 0.0762038618777833},
        {745809.52, 0.0066, 29, 4, constant, false, 0.00413, initial, 558.95,
         {26948.16, 1230.59, 25717.57, 770.05, 720091.95}, {25759.99, 42.43, 25717.56, 770.05, 0.00},
         18458.79, 22331.45, 0.01473895673263936},
        {721693.43, 0.0568, 19, 1, annuite, true, 0.00413, crd, 2890.76,
         {59680.42, 0.00, 59680.42, 2980.59, 662013.01}, {59680.57, 3207.66, 56472.91, 233.23, 0.00},
         412234.70, 32954.70, 0.062132367055028864},
        {327240.15, -0.0079, 12, 2, constant, false, 0, crd, 357.08,
         {25977.41, -1292.60, 27270.01, 0.00, 299970.14}, {27162.32, -107.72, 27270.04, 0.00, 0.00},
         -8401.90, 0.00, -0.007555841440539314},
        {315307.24, 0.0005, 35, 12, annuite, false, 0.001, initial, 568.58,
         {9015.54, 13.14, 9002.40, 26.28, 306304.84}, {9015.42, 0.38, 9015.04, 26.28, 0.00},
         236.54, 919.80, 0.0036534792873393735},
        {67347.63, 0.0065, 326, 12, constant, true, 0.001, initial, 2623.45,
         {206.59, 0.00, 206.59, 5.61, 67141.04}, {205.99, 0.11, 205.88, 5.61, 0.00},
         5927.93, 1828.86, 0.01165619111119317},
        {889641.44, 0.004, 50, 4, annuite, false, 0.001, crd, 290.01,
         {18250.25, 889.64, 17360.61, 222.41, 872280.83}, {18250.19, 18.23, 18231.96, 4.56, 0.00},
         22871.00, 5717.74, 0.005061413378873518},
        {763788.44, 0.0705, 356, 12, constant, true, 0.0025, crd, 2134.08,
         {2145.47, 0.00, 2145.47, 159.12, 761642.97}, {2159.20, 12.61, 2146.59, 0.45, 0.00},
         796489.31, 28403.42, 0.07589150397936696},
    };
    // clang-format on
    for (const Cas& c : cas) {
        Pret p = pret(c.capital, c.taux, c.n, c.periodes);
        p.amortissement = c.amortissement, p.en_debut_de_periode = c.debut;
        p.assurances = {{.taux = c.taux_assurance, .base = c.base}}, p.frais = c.frais;
        auto lignes = echeancier(p);
        ASSERT_TRUE(coherent(p, lignes)) << c.capital;
        attendre_ligne(lignes.front(), c.premiere);
        attendre_ligne(lignes.back(), c.derniere);
        long long interets = 0, assurance = 0;
        for (const Ligne& l : lignes)
            interets += centimes(l.interets), assurance += centimes(l.assurance);
        EXPECT_EQ(interets, centimes(c.interets)) << c.capital;
        EXPECT_EQ(assurance, centimes(c.assurance)) << c.capital;
        EXPECT_NEAR(taeg(p).value_or(0), c.taeg, 1e-8) << c.capital;
    }
}

TEST(Echeancier, EntreesInvalidesSansEcheancierNiTaeg)
{
    const Pret base = pret(10000, 0.05, 12);
    std::vector<Pret> mauvais;
    // clang-format off
    for (auto [champ, valeur] : std::initializer_list<std::pair<double Pret::*, double>>{
             {&Pret::capital, NAN}, {&Pret::capital, INFINITY}, {&Pret::capital, 1e308}, {&Pret::capital, -1000},
             {&Pret::capital, 0.004}, {&Pret::capital, 1.1e10}, {&Pret::taux_annuel, -12},
             {&Pret::taux_annuel, NAN}, {&Pret::taux_annuel, 1e308}, {&Pret::frais, -1}, {&Pret::frais, NAN}})
        mauvais.push_back(base), mauvais.back().*champ = valeur;
    for (auto [champ, valeur] : std::initializer_list<std::pair<int Pret::*, int>>{
             {&Pret::nb_echeances, 0}, {&Pret::nb_echeances, -5}, {&Pret::nb_echeances, 1201},
             {&Pret::periodes_par_an, 0}, {&Pret::periodes_par_an, 5}, {&Pret::periodes_par_an, -12}})
        mauvais.push_back(base), mauvais.back().*champ = valeur;
    // clang-format on
    mauvais.push_back(pret(10000, -1.5, 12, 1));
    for (credit::Assurance a : {Assurance{.taux = -0.001}, Assurance{.taux = INFINITY}, Assurance{.quotite = 0},
                                Assurance{.quotite = 1.01}, Assurance{.mensualite = -1}, Assurance{.mensualite = NAN}})
        mauvais.push_back(base), mauvais.back().assurances = {Assurance{}, a};
    for (const Pret& p : mauvais) {
        EXPECT_TRUE(echeancier(p).empty()) << p.capital << ' ' << p.taux_annuel << ' ' << p.nb_echeances;
        EXPECT_EQ(taeg(p), std::nullopt);
    }
    Pret p = base;
    p.frais = 10000;  // nothing received: no rate
    EXPECT_FALSE(echeancier(p).empty());
    EXPECT_EQ(taeg(p), std::nullopt);
}

TEST(Taeg, SansFraisNiAssuranceLeTauxPeriodiqueCapitalise)
{
    for (int periodes : {1, 4, 12})
        for (double taux : {-0.02, 0.0, 0.0345, 0.19})
            for (auto a : {annuite, constant})
                for (bool debut : {false, true}) {
                    Pret p = pret(150000, taux, 20 * periodes, periodes);
                    p.amortissement = a, p.en_debut_de_periode = debut;
                    EXPECT_NEAR(taeg(p).value_or(-1), std::pow(1 + taux / periodes, periodes) - 1, 1e-6)
                        << periodes << ' ' << taux << ' ' << debut;
                }
}

TEST(TauxActuariel, ExemplesDeLaDirectiveEtTauxExtremes)
{
    EXPECT_NEAR(taux_actuariel({{0, 1000}, {546.0 / 365, -1200}}).value_or(0), 0.12962037708072363, 1e-12);
    EXPECT_NEAR(taux_actuariel({{0, 950}, {546.0 / 365, -1200}}).value_or(0), 0.16902620653697076, 1e-12);
    EXPECT_NEAR(taux_actuariel({{2, -600}, {0, 1000}, {1, -600}}).value_or(0), 0.13066238629180749, 1e-12);
    // Flows at the same time count as one: 400 + 600 lent.
    EXPECT_NEAR(taux_actuariel({{0, 400}, {1, -600}, {0, 600}, {2, -600}}).value_or(0), 0.13066238629180749, 1e-12);
    EXPECT_NEAR(taux_actuariel({{0, 1}, {1, -0.01}}).value_or(0), -0.99, 1e-14);
    EXPECT_NEAR(taux_actuariel({{0, 1}, {0.5, -6}}).value_or(0), 35, 35e-14);
}

TEST(TauxActuariel, RienSansTauxUnique)
{
    // clang-format off
    const std::vector<Flux> sans_taux[] = {
        {}, {{0, 1000}}, {{0, 1000}, {1, 200}}, {{0, 0}, {1, -5}}, {{0, 1000}, {1, -600}, {1, 600}},
        {{0, 100}, {1, -210}, {2, 108}},        // -10 % and 20 % both balance it
        {{0, 1000}, {1, NAN}}, {{0, 1000}, {INFINITY, -1200}}, {{0, 1000}, {1e5, -1200}},
        {{0, 1e308}, {0, 1e308}, {1, -1e308}},  // the sum at 0 overflows
        {{0, 1}, {1, -1e-300}},                 // -100 % plus less than a double holds
        {{0, 1e-300}, {1e-3, -1e300}},          // beyond the largest double
    };
    // clang-format on
    for (const auto& flux : sans_taux)
        EXPECT_EQ(taux_actuariel(flux), std::nullopt) << flux.size();
}
