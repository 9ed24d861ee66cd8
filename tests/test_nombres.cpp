// Reading and writing numbers in the French style; expected values worked by hand.
#include "calc/motif.h"
#include "calc/nombres.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace calc;

TEST(Nombres, LectureDUnNombreOuDeSonDebut)
{
    // clang-format off
    const std::pair<std::string, double> lus[] = {
        {"12.5", 12.5}, {" 12,5 ", 12.5}, {"-3", -3}, {"  1 985,05", 1985.05}, {"1\u00A0985,05", 1985.05},
        {"10\u202F230,24", 10230.24}, {"5,", 5}, {".5", 0.5}, {"1,5E+20", 1.5e20}, {std::string(300, '9'), 1e300}};
    const std::string refuses[] = {
        "", "-", ",", "1.2.3", "1,2.5", "--1", "1-2", "abc", "1e400", "1e", "- 5", "1, 5", "5 €", "\xFF", "1\n2",
        std::string(400, '9'), std::string(100000, ' ')};
    const std::pair<const char*, double> en_tete[] = {
        {"0,5", 0}, {" 1 2 ", 12}, {"-5", -5}, {"240abc", 240}, {"1.2.3", 1.2}, {"1e400", 1}, {"abc", 0}, {"--1", 0}};
    // clang-format on
    for (auto [texte, valeur] : lus)
        EXPECT_EQ(virg(texte), valeur) << texte;
    for (std::string texte : refuses)
        EXPECT_EQ(virg(texte), std::nullopt) << texte.substr(0, 20);
    for (auto [texte, valeur] : en_tete)
        EXPECT_EQ(valeur_en_tete(texte), valeur) << texte;
    EXPECT_EQ(valeur_en_tete(std::string(400, '9')), std::numeric_limits<double>::max());
}

TEST(Nombres, EcritureCourteOuSelonUnMotif)
{
    // clang-format off
    const std::pair<double, const char*> formes[] = {
        {5.25, "5,25"}, {12, "12"}, {0.1 + 0.2, "0,3"}, {-0.0, "0"}, {123456789012345, "123456789012345"},
        {1e15, "1E+15"}, {0.00001, "1E-05"}, {1.7976931348623157e308, "1,7976931348623157E+308"}, {NAN, ""}};
    const char* euros = "### ### ##0.00 €";
    const std::tuple<double, const char*, const char*> motifs[] = {
        {852.52264, euros, "  852,52 €"}, {0, euros, "  0,00 €"}, {123456789.125, euros, "123 456 789,13 €"},
        {1234567890.5, euros, "1234 567 890,50 €"}, {-852.52264, euros, "  -852,52 €"}, {0.5, "#0.00€", "0,50€"},
        {0.05 / 12, "##0.00000", "0,00417"},
        // halves away from zero, on the decimal a person reads: 2.675 is 2.67499999... in binary
        {0.125, "##0.00", "0,13"}, {2.675, "##0.00", "2,68"}, {-2.675, "##0.00", "-2,68"},
        {999.995, "#0.00€", "1000,00€"}, {0.005, "##0.00", "0,01"}, {0.0049999, "##0.00", "0,00"},
        {-0.001, "##0.00", "0,00"}, {1e20, "##0.00", "100000000000000000000,00"}, {NAN, "##0.00", ""}};
    // clang-format on
    for (auto [x, texte] : formes)
        EXPECT_EQ(texte_general(x), texte) << x;
    for (auto [x, motif, texte] : motifs)
        EXPECT_EQ(format_motif(x, motif), texte) << x << ' ' << motif;
    std::string grand = format_motif(1.7976931348623157e308, euros);
    EXPECT_EQ(grand.substr(0, 4) + grand.substr(grand.size() - 7), "1797,00 €");
}
