// The checks, the layout and the cell details of the hypothesis table,
// without a window. Expected repayments: see test_annuite.cpp.
#include "remboursement.h"
#include "tableau.h"
#include "verifications.h"

#include <gtest/gtest.h>

using namespace calc;
using Textes = std::vector<std::string>;

namespace {

SaisieHypotheses saisie(std::string montant, std::string mini, std::string maxi, std::string taux_mini = "4",
                        std::string taux_maxi = "5", bool en_annees = false)
{
    return {montant, mini, maxi, taux_mini, taux_maxi, en_annees};
}

Textes textes(const Verification& v)
{
    Textes t;
    for (const Refus& r : v.refus)
        t.push_back(r.message.texte);
    return t;
}

}  // namespace

TEST(Verifications, MessagesDansLOrdreEtDrapeaux)
{
    Verification neuve = verifier_hypotheses(saisie("0.00", "0", "0", "Mini", "Maxi"));
    EXPECT_EQ(textes(neuve), Textes({"vous n'avez pas entré de montant", "vous avez oublié de fournir les taux",
                                     "Respecter le mini et le maxi S.V.P."}));
    EXPECT_TRUE(neuve.refus[2].vider_durees);
    EXPECT_EQ(neuve.code_erreur, 4);
    EXPECT_FALSE(tableau_permis(neuve));

    EXPECT_EQ(verifier_hypotheses(saisie("0,5", "12", "15")).code_erreur, 1);  // reading stops at the comma
    EXPECT_EQ(verifier_hypotheses(saisie("1.2.3", "12", "15")).code_erreur, 1);
    EXPECT_EQ(verifier_hypotheses(saisie("10000", "12", "15", "5", "5")).refus.at(0).message.texte,
              "le taux Mini est plus grand\r\nque le taux Maxi\r\nRecommencez votre selection");
    for (auto [mini, maxi] : {std::pair{"abc", "5"}, {"4", "5,,"}, {"", ""}, {"-80", "25"}})  // the last: too wide
        EXPECT_EQ(verifier_hypotheses(saisie("10000", "12", "15", mini, maxi)).code_erreur, 2) << mini;
}

TEST(Verifications, TauxOubliesDUnCoteOuDesDeux)
{
    const Message oubli{"vous avez oublié de fournir les taux", "Recommencer votre selection", Icone::critique};
    for (auto [mini, maxi] : {std::pair{"Mini", "5"}, {"4", "Maxi"}, {"Mini", "Maxi"}}) {
        Verification v = verifier_hypotheses(saisie("10000", "12", "15", mini, maxi));
        ASSERT_EQ(v.refus.size(), 1u) << mini << ' ' << maxi;
        EXPECT_EQ(v.refus[0].message, oubli);
        EXPECT_EQ(v.code_erreur, 2);
    }
    EXPECT_TRUE(tableau_permis(verifier_hypotheses(saisie("10000", "12", "15", "4", "4,25"))));
}

TEST(Verifications, DureesAuxLimites)
{
    // 19 years or 35 months at most between the two counts; "2,9" and "2.4" count 3 and 2.
    for (auto [mini, maxi, annees, permis] : {std::tuple{"1", "20", true, false},
                                              {"2", "20", true, true},
                                              {"1", "19", true, true},
                                              {"3", "36", false, false},
                                              {"4", "36", false, true},
                                              {"3", "35", false, true},
                                              {"12", "240", false, true},
                                              {"2,9", "2.4", false, false}})
        EXPECT_EQ(tableau_permis(verifier_hypotheses(saisie("10000", mini, maxi, "4", "5", annees))), permis)
            << mini << ' ' << maxi;
}

// Each refusal, as "message|boxes it empties" (M the amount, D the two period boxes).
TEST(Verifications, ChaqueRefusVideSesCasesEtPasDAutres)
{
    auto refus = [](const Verification& v) {
        Textes t;
        for (const Refus& r : v.refus)
            t.push_back(r.message.texte + "|" + (r.vider_montant ? "M" : "") + (r.vider_durees ? "D" : ""));
        return t;
    };
    const std::string trop_longue = "durée trop longue !|D";
    for (auto [mini, maxi, annees, attendu] : {
             std::tuple{"1", "20", true, Textes{"durée de crédit impossible|M"}},
             {"3", "36", false, Textes{"durée de crédit impossible|M"}},
             {"15", "12", false, Textes{"Respecter le mini et le maxi S.V.P.|D"}},
             {"0012", "15", false, Textes{trop_longue}},  // by length, on either side
             {"12", "0015", false, Textes{trop_longue}},
             {"241", "250", false, Textes{trop_longue}},  // by value, on either side
             {"12", "241", false, Textes{trop_longue}},
             {"1-2", "15", false, Textes{"la durée n'est pas un nombre valable|D"}},
             // The span check empties the amount, the length check the periods; the size check then sees nothing.
             {"1", "1000", true, Textes{"durée de crédit impossible|M", trop_longue}},
         })
        EXPECT_EQ(refus(verifier_hypotheses(saisie("10000", mini, maxi, "4", "5", annees))), attendu)
            << mini << ' ' << maxi;
    EXPECT_EQ(refus(verifier_hypotheses(saisie("0.00", "12", "15", "5", "4"))),
              Textes({"vous n'avez pas entré de montant|",
                      "le taux Mini est plus grand\r\nque le taux Maxi\r\nRecommencez votre selection|"}));
}

TEST(Tableau, EnTetesLargeursEtCellules)
{
    Grille g = prepare_grille(saisie("10000", "12", "15"));
    EXPECT_EQ(g.nb_lignes * 10 + g.nb_colonnes, 65);
    EXPECT_EQ(g.en_tetes_lignes, Textes({"4 %", "4,25 %", "4,5 %", "4,75 %", "5 %"}));
    EXPECT_EQ(g.largeurs.front(), 1330);  // 14 characters
    EXPECT_EQ(calcul_hypotheses(g, 10000, 2, false).at(4 * 4), "  852,52 €");

    Grille annees = prepare_grille(saisie("10000", "10", "12", "4", "5", true));
    EXPECT_EQ(annees.en_tetes_colonnes.front(), "10  Annuités    ");
    EXPECT_EQ(calcul_hypotheses(annees, 10000, 2, true).at(4 * 3), " 1 233,38 €");

    // A span that is no multiple of 0,25: every row is headed with the rate it is computed with.
    EXPECT_EQ(prepare_grille(saisie("1", "12", "15", "5,1", "6")).en_tetes_lignes.back(), "6,1 %");
    // Fractional counts: whole counts head, count and fill the columns alike.
    Grille f = prepare_grille(saisie("1", "12.6", "15"));
    EXPECT_EQ(f.durees, (std::vector<int>{13, 14, 15}));
    // Count 0 has no repayment: its cell stays empty; negative counts show as they come.
    auto cellules = calcul_hypotheses(prepare_grille(saisie("1", "-1", "2")), 10000, 0, false);
    EXPECT_EQ(cellules[1], "");
    EXPECT_NE(cellules[0], "");
}

TEST(Remboursement, TotalEnMoisEtEnAnnees)
{
    EXPECT_EQ(detail_remboursement("  852,52 €", "12", 1, false),
              (Message{"Vous allez rembourser un total de : 10230,24€", "remboursement", Icone::critique}));
    EXPECT_EQ(detail_remboursement(" 1 233,38 €", "10", 1, true)->texte,
              "Vous allez rembourser un total de : 12333,8€\r\nLe remboursement mensuel est de : 102,78€");
    EXPECT_EQ(detail_remboursement("  852,52 €", "12", 3, false)->texte,  // column 3: 14 periods
              "Vous allez rembourser un total de : 11935,28€");
    for (const char* cellule : {"", " €", "abc €", "852,52", "1,2,3 €"})
        EXPECT_EQ(detail_remboursement(cellule, "12", 1, false), std::nullopt) << cellule;
}

TEST(Tableau, CopiePourUnTableur)
{
    Grille g = prepare_grille(saisie("10000", "12", "13", "4", "4,25"));
    std::vector<std::string> cellules = {"  852,52 €", " 1 985,05 €", "", "  -3,10 €"};
    EXPECT_EQ(texte_tabule(g.en_tetes_lignes, g.en_tetes_colonnes, cellules, 0, 1, 0, 1),
              "\t12 Mensualités\t13 Mensualités\n4 %\t852,52\t1985,05\n4,25 %\t\t-3,10\n");
}
