// Reading and writing numbers in the French style; expected values worked by hand.
#include "nombres.h"

#include <gtest/gtest.h>

#include <string>

using calc::format_motif;
using calc::texte_general;
using calc::valeur_en_tete;
using calc::virg;

TEST(Virg, LitPointOuVirguleEtGroupesDeChiffres)
{
    EXPECT_EQ(virg("12.5"), 12.5);
    EXPECT_EQ(virg("12,5"), 12.5);
    EXPECT_EQ(virg(" 12,5 "), 12.5);
    EXPECT_EQ(virg("0.00"), 0.0);
    EXPECT_EQ(virg("0"), 0.0);
    EXPECT_EQ(virg("-3"), -3.0);
    EXPECT_EQ(virg("1,25"), 1.25);
    EXPECT_EQ(virg("1 985,05"), 1985.05);
    EXPECT_EQ(virg("  1 985,05"), 1985.05);
    EXPECT_EQ(virg("1\xC2\xA0" "985,05"), 1985.05);       // no-break space
    EXPECT_EQ(virg("10\xE2\x80\xAF" "230,24"), 10230.24);  // narrow no-break space
    EXPECT_EQ(virg("5,"), 5.0);
    EXPECT_EQ(virg(".5"), 0.5);
    EXPECT_EQ(virg("1,5E+20"), 1.5e20);  // the exponent form that texte_general writes
}

TEST(Virg, RefuseCeQuiNEstPasUnNombre)
{
    for (const char* texte : {"", " ", "-", ",", ".", "1.2.3", "1,2.5", "1,2,3", "--1", "1-2", "abc", "12a",
                              "1e400", "1e", "- 5", "1 ,5", "1, 5", "5 €", "é", "\xFF\xFE", "1\n2"})
        EXPECT_EQ(virg(texte), std::nullopt) << '"' << texte << '"';
    EXPECT_EQ(virg(std::string(400, '9')), std::nullopt);  // beyond a double
    EXPECT_EQ(virg(std::string(300, '9')).value(), 1e300);
    EXPECT_EQ(virg(std::string(100000, ' ')), std::nullopt);
}

TEST(ValeurEnTete, LitLeNombreDuDebut)
{
    EXPECT_EQ(valeur_en_tete("0,5"), 0.0);
    EXPECT_EQ(valeur_en_tete("1,5"), 1.0);
    EXPECT_EQ(valeur_en_tete("12.75"), 12.75);
    EXPECT_EQ(valeur_en_tete(" 1 2 "), 12.0);  // blanks skipped wherever they stand
    EXPECT_EQ(valeur_en_tete("-5"), -5.0);
    EXPECT_EQ(valeur_en_tete("240abc"), 240.0);
    EXPECT_EQ(valeur_en_tete("0240"), 240.0);
    EXPECT_EQ(valeur_en_tete("1.2.3"), 1.2);
    EXPECT_EQ(valeur_en_tete("1-2"), 1.0);
    EXPECT_EQ(valeur_en_tete("1e400"), 1.0);
    for (const char* texte : {"", "   ", "abc", "-", ".", "--1", ",5", "é1"})
        EXPECT_EQ(valeur_en_tete(texte), 0.0) << '"' << texte << '"';
    EXPECT_EQ(valeur_en_tete(std::string(400, '9')), std::numeric_limits<double>::max());
}

TEST(TexteGeneral, FormeCourteALaFrancaise)
{
    EXPECT_EQ(texte_general(5.25), "5,25");
    EXPECT_EQ(texte_general(12), "12");
    EXPECT_EQ(texte_general(12333.8), "12333,8");
    EXPECT_EQ(texte_general(1233.38 * 10), "12333,8");  // 12333.800000000001 in binary
    EXPECT_EQ(texte_general(0.1 + 0.2), "0,3");
    EXPECT_EQ(texte_general(-3.5), "-3,5");
    EXPECT_EQ(texte_general(-0.0), "0");
    EXPECT_EQ(texte_general(123456789012345), "123456789012345");
    EXPECT_EQ(texte_general(1e15), "1E+15");
    EXPECT_EQ(texte_general(0.0001), "0,0001");
    EXPECT_EQ(texte_general(0.00001), "1E-05");
    EXPECT_EQ(texte_general(1.7976931348623157e308), "1,7976931348623157E+308");  // reads back
    EXPECT_EQ(texte_general(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(texte_general(std::numeric_limits<double>::infinity()), "");
}

TEST(FormatMotif, MotifsDeLaFenetre)
{
    const char* euros = "### ### ##0.00 €";
    EXPECT_EQ(format_motif(852.52264, euros), "  852,52 €");
    EXPECT_EQ(format_motif(1985.05, euros), " 1 985,05 €");
    EXPECT_EQ(format_motif(0, euros), "  0,00 €");
    EXPECT_EQ(format_motif(123456789.125, euros), "123 456 789,13 €");
    EXPECT_EQ(format_motif(1234567890.5, euros), "1234 567 890,50 €");  // more digits than the pattern
    EXPECT_EQ(format_motif(-852.52264, euros), "  -852,52 €");
    EXPECT_EQ(format_motif(10230.24, "#0.00€"), "10230,24€");
    EXPECT_EQ(format_motif(0.5, "#0.00€"), "0,50€");
    EXPECT_EQ(format_motif(1.0 / 12 / 12, "##0.00000"), "0,00694");
    EXPECT_EQ(format_motif(0.05 / 12, "##0.00000"), "0,00417");
    EXPECT_EQ(format_motif(7.420095, "##0.00"), "7,42");
    EXPECT_EQ(format_motif(4, "##0.00"), "4,00");
}

TEST(FormatMotif, ArrondiDesMoitiesLoinDeZero)
{
    EXPECT_EQ(format_motif(0.125, "##0.00"), "0,13");
    EXPECT_EQ(format_motif(2.675, "##0.00"), "2,68");  // 2.67499999... in binary
    EXPECT_EQ(format_motif(1.005, "##0.00"), "1,01");
    EXPECT_EQ(format_motif(-2.675, "##0.00"), "-2,68");
    EXPECT_EQ(format_motif(9.995, "##0.00"), "10,00");
    EXPECT_EQ(format_motif(999.995, "#0.00€"), "1000,00€");
    EXPECT_EQ(format_motif(0.005, "##0.00"), "0,01");
    EXPECT_EQ(format_motif(0.0049999, "##0.00"), "0,00");
    EXPECT_EQ(format_motif(-0.001, "##0.00"), "0,00");  // no sign on a zero
    EXPECT_EQ(format_motif(0.000005, "##0.00000"), "0,00001");
    EXPECT_EQ(format_motif(1e-300, "##0.00"), "0,00");
}

TEST(FormatMotif, GrandsNombresSansNanNiInf)
{
    std::string texte = format_motif(1.7976931348623157e308, "### ### ##0.00 €");
    EXPECT_EQ(texte.size(), 309 + 2 + 3 + 4);  // 309 digits, 2 group blanks, ",00", " €"
    EXPECT_EQ(texte.substr(0, 4), "1797");
    EXPECT_EQ(format_motif(1e20, "##0.00"), "100000000000000000000,00");
    EXPECT_EQ(format_motif(std::numeric_limits<double>::quiet_NaN(), "##0.00"), "");
}
