// The checks, the layout and the cell details of the hypothesis table,
// without a window. Expected repayments: see test_annuite.cpp.
#include "remboursement.h"
#include "tableau.h"
#include "verifications.h"

#include <gtest/gtest.h>

using namespace calc;

namespace {

SaisieHypotheses saisie(std::string montant, std::string mini, std::string maxi, std::string taux_mini = "4",
                        std::string taux_maxi = "5", bool en_annees = false)
{
    return {montant, mini, maxi, taux_mini, taux_maxi, en_annees};
}

std::vector<std::string> textes(const Verification& v)
{
    std::vector<std::string> t;
    for (const Refus& r : v.refus)
        t.push_back(r.message.texte);
    return t;
}

}  // namespace

TEST(Verifications, FenetreNeuveTroisMessagesDansLOrdre)
{
    Verification v = verifier_hypotheses(saisie("0.00", "0", "0", "Mini", "Maxi"));
    using S = std::vector<std::string>;
    EXPECT_EQ(textes(v), S({"vous n'avez pas entré de montant", "vous avez oublié de fournir les taux",
                            "Respecter le mini et le maxi S.V.P."}));
    EXPECT_EQ(v.refus[1].message, (Message{"vous avez oublié de fournir les taux", "Recommencer votre selection",
                                           Icone::critique}));
    EXPECT_TRUE(v.refus[2].vider_durees);
    EXPECT_EQ(v.flag_erreur, "4");
    EXPECT_FALSE(tableau_permis(v));
}

TEST(Verifications, MontantEtTaux)
{
    EXPECT_EQ(verifier_hypotheses(saisie("0,5", "12", "15")).flag_erreur, "1");  // reading stops at the comma
    EXPECT_TRUE(tableau_permis(verifier_hypotheses(saisie("1,5", "12", "15"))));
    EXPECT_TRUE(tableau_permis(verifier_hypotheses(saisie("-500", "12", "15"))));
    EXPECT_EQ(textes(verifier_hypotheses(saisie("1.2.3", "12", "15"))),
              std::vector<std::string>{"le montant n'est pas un nombre valable"});

    Verification egaux = verifier_hypotheses(saisie("10000", "12", "15", "5", "5"));
    EXPECT_EQ(egaux.refus.at(0).message,
              (Message{"le taux Mini est plus grand\r\nque le taux Maxi\r\nRecommencez votre selection"}));
    EXPECT_EQ(egaux.flag_erreur, "2");
    for (auto [mini, maxi] : {std::pair{"abc", "5"}, {"4", ""}, {"4", "5,,"}, {"", ""}}) {
        Verification v = verifier_hypotheses(saisie("10000", "12", "15", mini, maxi));
        EXPECT_EQ(v.flag_erreur, "2") << mini << ' ' << maxi;
        EXPECT_EQ(v.refus.at(0).message.icone, Icone::critique);
    }
    EXPECT_EQ(verifier_hypotheses(saisie("10000", "12", "15", "-80", "25")).flag_erreur, "2");  // span too wide
    EXPECT_TRUE(tableau_permis(verifier_hypotheses(saisie("10000", "12", "15", "5,1", "6"))));
}

TEST(Verifications, DureesAuxLimites)
{
    auto passe = [](std::string mini, std::string maxi, bool annees) {
        return tableau_permis(verifier_hypotheses(saisie("10000", mini, maxi, "4", "5", annees)));
    };
    EXPECT_FALSE(passe("1", "20", true));
    EXPECT_TRUE(passe("1", "19", true));
    EXPECT_TRUE(passe("2", "20", true));
    EXPECT_FALSE(passe("3", "36", false));
    EXPECT_TRUE(passe("3", "35", false));
    EXPECT_TRUE(passe("4", "36", false));
    EXPECT_TRUE(passe("12", "240", false));
    EXPECT_FALSE(passe("12", "241", false));
    EXPECT_FALSE(passe("12", "0240", false));  // too long, though worth 240
    EXPECT_FALSE(passe("1-2", "15", false));    // starts with a number but is none
    EXPECT_FALSE(passe("2,9", "2.4", false));   // whole counts 3 and 2

    Verification annees = verifier_hypotheses(saisie("10000", "1", "20", "4", "5", true));
    EXPECT_EQ(annees.flag_erreur, "3");
    EXPECT_TRUE(annees.refus.at(0).vider_montant);
    EXPECT_EQ(annees.saisie.montant, "");

    // The span check empties the amount, the length check the periods; the size check then sees nothing.
    Verification mille = verifier_hypotheses(saisie("10000", "1", "1000", "4", "5", true));
    EXPECT_EQ(textes(mille), (std::vector<std::string>{"durée de crédit impossible", "durée trop longue !"}));
    EXPECT_EQ(mille.flag_erreur, "4");
}

TEST(Tableau, RequeteTypiqueEnMoisEtEnAnnees)
{
    Grille g = prepare_grille(saisie("10000", "12", "15"));
    EXPECT_EQ(g.nb_lignes, 6);
    EXPECT_EQ(g.nb_colonnes, 5);
    EXPECT_EQ(g.en_tetes_lignes, (std::vector<std::string>{"4 %", "4,25 %", "4,5 %", "4,75 %", "5 %"}));
    EXPECT_EQ(g.en_tetes_colonnes.front(), "12 Mensualités");
    EXPECT_EQ(g.en_tetes_colonnes.back(), "15 Mensualités");
    EXPECT_EQ(g.largeurs, (std::vector<int>{1330, 1330, 1330, 1330}));
    EXPECT_EQ(g.duree_mini, "12");
    auto cellules = calcul_hypotheses(g, 10000, 2, false);
    ASSERT_EQ(cellules.size(), 20u);
    EXPECT_EQ(cellules[4 * 4 + 0], "  852,52 €");

    Grille annees = prepare_grille(saisie("10000", "10", "12", "4", "5", true));
    EXPECT_EQ(annees.en_tetes_colonnes.front(), "10  Annuités    ");
    EXPECT_EQ(annees.largeurs.front(), 1520);
    EXPECT_EQ(calcul_hypotheses(annees, 10000, 2, true)[4 * 3 + 0], " 1 233,38 €");
}

TEST(Tableau, TailleEtEnTetesAuxLimites)
{
    EXPECT_EQ(prepare_grille(saisie("1", "12", "15", "5", "6")).nb_lignes, 6);
    EXPECT_EQ(prepare_grille(saisie("1", "12", "15", "1", "25")).nb_lignes, 98);
    EXPECT_EQ(prepare_grille(saisie("1", "2", "240", "1", "25", true)).nb_colonnes, 240);

    // A span that is no multiple of 0,25: every row is headed with the rate it is computed with.
    Grille g = prepare_grille(saisie("1", "12", "15", "5,1", "6"));
    EXPECT_EQ(g.en_tetes_lignes, (std::vector<std::string>{"5,1 %", "5,35 %", "5,6 %", "5,85 %", "6,1 %"}));
    EXPECT_DOUBLE_EQ(g.taux.back(), 6.1);

    // Fractional counts: whole counts head, count and fill the columns alike.
    Grille f = prepare_grille(saisie("1", "12.6", "15", "4", "5"));
    EXPECT_EQ(f.nb_colonnes, 4);
    EXPECT_EQ(f.en_tetes_colonnes.front(), "13 Mensualités");
    EXPECT_EQ(f.durees, (std::vector<int>{13, 14, 15}));
    EXPECT_EQ(f.duree_mini, "13");

    // Count 0 has no repayment: its cells stay empty; negative counts show as they come.
    Grille z = prepare_grille(saisie("1", "-1", "2", "4", "5"));
    auto cellules = calcul_hypotheses(z, 10000, 0, false);
    EXPECT_EQ(cellules[1], "");
    EXPECT_NE(cellules[0], "");
    EXPECT_NE(cellules[2], "");
}

TEST(Remboursement, TotalEnMoisEtEnAnnees)
{
    EXPECT_EQ(detail_remboursement("  852,52 €", "12", 1, false),
              (Message{"Vous allez rembourser un total de : 10230,24€", "remboursement", Icone::critique}));
    EXPECT_EQ(detail_remboursement(" 1 233,38 €", "10", 1, true)->texte,
              "Vous allez rembourser un total de : 12333,8€\r\nLe remboursement mensuel est de : 102,78€");
    EXPECT_EQ(detail_remboursement("  852,52 €", "24", 1, false)->texte,  // Text2 read afresh
              "Vous allez rembourser un total de : 20460,48€");
    EXPECT_EQ(detail_remboursement("  852,52 €", "12", 3, false)->texte,
              "Vous allez rembourser un total de : 11935,28€");
    for (const char* cellule : {"", " €", "€", "abc €", "5 %", "852,52", "1,2,3 €"})
        EXPECT_EQ(detail_remboursement(cellule, "12", 1, false), std::nullopt) << cellule;
}

TEST(Tableau, CopiePourUnTableur)
{
    Grille g = prepare_grille(saisie("10000", "12", "13", "4", "4,25"));
    std::vector<std::string> cellules = {"  852,52 €", " 1 985,05 €", "", "  -3,10 €"};
    EXPECT_EQ(texte_tabule(g.en_tetes_lignes, g.en_tetes_colonnes, cellules, 0, 1, 0, 1),
              "\t12 Mensualités\t13 Mensualités\n4 %\t852,52\t1985,05\n4,25 %\t\t-3,10\n");
    EXPECT_EQ(texte_tabule(g.en_tetes_lignes, g.en_tetes_colonnes, cellules, 1, 1, 1, 1),
              "\t13 Mensualités\n4,25 %\t-3,10\n");
}
