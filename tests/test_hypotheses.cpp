// The checks, the layout and the cell details of the hypothesis table, and the
// loan each calculation hands to the schedule, without a window. Expected repayments: see test_annuite.cpp.
#include "calc/calculateurs.h"
#include "calc/depart.h"
#include "calc/remboursement.h"
#include "calc/tableau.h"
#include "calc/verifications.h"

#include <gtest/gtest.h>

using namespace calc;
using Textes = std::vector<std::string>;

namespace {

// Each refusal as "message|boxes it empties" (M the amount, D the two period boxes), then the error code.
Textes refus(const SaisieHypotheses& s)
{
    Verification v = verifier_hypotheses(s);
    Textes t;
    for (const Refus& r : v.refus)
        t.push_back(r.message.texte + "|" + (r.vider_montant ? "M" : "") + (r.vider_durees ? "D" : ""));
    t.push_back(std::to_string(static_cast<int>(v.code_erreur)));
    return t;
}

}  // namespace

TEST(Verifications, RefusDansLOrdreEtCasesVidees)
{
    const std::string zero = "vous n'avez pas entré de montant|", oubli = "vous avez oublié de fournir les taux|";
    const std::string invalide = "le taux choisi n'est pas un nombre valable\r\nRecommencez votre selection|";
    const std::string inverses = "le taux Mini est plus grand\r\nque le taux Maxi\r\nRecommencez votre selection|";
    const std::string large =
        "l'écart entre les taux est trop grand\r\n(100 points au plus)\r\nRecommencez votre selection|";
    // clang-format off
    const std::tuple<const char*, const char*, const char*, Textes> cas[] = {
        {"0.00", "Mini", "Maxi", {zero, oubli, "2"}}, {"0,5", "5", "4", {zero, inverses, "2"}},  // reading stops at ","
        {"1.2.3", "4", "5", {"le montant n'est pas un nombre valable|", "1"}},
        {"1", "Mini", "5", {oubli, "2"}}, {"1", "4", "Maxi", {oubli, "2"}}, {"1", "4", "4", {inverses, "2"}},
        {"1", "abc", "5", {invalide, "2"}}, {"1", "4", "5,,", {invalide, "2"}},
        {"1", "-80", "25", {large, "2"}}, {"1", "-75", "25", {"0"}}};
    // clang-format on
    for (auto [montant, mini, maxi, attendu] : cas)
        EXPECT_EQ(refus({montant, "12", "15", mini, maxi}), attendu) << montant << ' ' << mini << ' ' << maxi;
    EXPECT_EQ(verifier_hypotheses({"1", "12", "15", "Mini", "5"}).refus.at(0).message,
              (Message{"vous avez oublié de fournir les taux", "Recommencer votre selection", Icone::critique}));

    // 19 years or 35 months at most between the two counts; "2,9" and "2.4" count 3 and 2.
    const std::string impossible = "durée de crédit impossible|M", longue = "durée trop longue !|D";
    const std::string ordre = "Respecter le mini et le maxi S.V.P.|D";
    // clang-format off
    const std::tuple<const char*, const char*, bool, Textes> durees[] = {
        {"1", "20", true, {impossible, "3"}}, {"2", "20", true, {"0"}}, {"1", "19", true, {"0"}},
        {"3", "36", false, {impossible, "4"}}, {"4", "36", false, {"0"}}, {"3", "35", false, {"0"}},
        {"12", "240", false, {"0"}}, {"12", "12", false, {ordre, "4"}}, {"2,9", "2.4", false, {ordre, "4"}},
        {"1-2", "15", false, {"la durée n'est pas un nombre valable|D", "4"}},
        // too long by length or by value, on either side
        {"0012", "15", false, {longue, "4"}}, {"12", "0015", false, {longue, "4"}},
        {"241", "250", false, {longue, "4"}}, {"12", "241", false, {longue, "4"}},
        // The span check empties the amount, the length check the periods; the size check then sees nothing.
        {"1", "1000", true, {impossible, longue, "4"}}};
    // clang-format on
    for (auto [mini, maxi, annees, attendu] : durees)
        EXPECT_EQ(refus({"10000", mini, maxi, "4", "5", annees}), attendu) << mini << ' ' << maxi;
}

TEST(Tableau, EnTetesCellulesTotalEtCopie)
{
    Grille g = prepare_grille({"10000", "12", "15", "4", "5"});
    EXPECT_EQ(g.nb_lignes * 10 + g.nb_colonnes, 65);
    EXPECT_EQ(g.en_tetes_lignes, Textes({"4 %", "4,25 %", "4,5 %", "4,75 %", "5 %"}));
    EXPECT_EQ(g.largeurs.front(), 1330);  // 14 characters
    EXPECT_EQ(calcul_hypotheses(g, 10000, Formule::interets_constants, false).at(4 * 4), "  852,52 €");

    EXPECT_EQ(prepare_grille({"10000", "10", "12", "4", "5", true}).en_tetes_colonnes.front(), "10  Annuités    ");

    // A span that is no multiple of 0,25: every row is headed with the rate it is computed with.
    EXPECT_EQ(prepare_grille({"1", "12", "15", "5,1", "6"}).en_tetes_lignes.back(), "6,1 %");
    // Fractional counts: whole counts head, count and fill the columns alike.
    EXPECT_EQ(prepare_grille({"1", "12.6", "15", "4", "5"}).durees, (std::vector<int>{13, 14, 15}));
    // Count 0 has no repayment: its cell stays empty; negative counts show as they come.
    auto cellules =
        calcul_hypotheses(prepare_grille({"1", "-1", "2", "4", "5"}), 10000, Formule::interets_simples, false);
    EXPECT_TRUE(cellules[1].empty() && !cellules[0].empty());

    EXPECT_EQ(detail_remboursement("  852,52 €", "12", 1, false),
              (Message{"Vous allez rembourser un total de : 10230,24€", "remboursement", Icone::critique}));
    EXPECT_EQ(detail_remboursement(" 1 233,38 €", "10", 1, true)->texte,
              "Vous allez rembourser un total de : 12333,8€\r\nLe remboursement mensuel est de : 102,78€");
    EXPECT_EQ(detail_remboursement("  852,52 €", "12", 3, false)->texte,  // column 3: 14 periods
              "Vous allez rembourser un total de : 11935,28€");
    for (const char* cellule : {"", " €", "852,52", "1,2,3 €"})
        EXPECT_EQ(detail_remboursement(cellule, "12", 1, false), std::nullopt) << cellule;

    Grille deux = prepare_grille({"10000", "12", "13", "4", "4,25"});
    const Textes copiees = {"  852,52 €", " 1 985,05 €", "", "  -3,10 €"};
    EXPECT_EQ(texte_tabule(deux.en_tetes_lignes, deux.en_tetes_colonnes, copiees, 0, 1, 0, 1),
              "\t12 Mensualités\t13 Mensualités\n4 %\t852,52\t1985,05\n4,25 %\t\t-3,10\n");
}

// The schedule starts from the loan each calculation found: in its unit, the rate in per cent
// however typed, instalments at the start of periods only for constant instalments.
TEST(Depart, DeChaqueCalculLePretQueLEcheancierReprend)
{
    const std::string note_taux =
        "Ce taux vient de la formule des intérêts simples ; le tableau d'amortissement suit la méthode des annuités.";
    EXPECT_EQ(nb_mens({"10000", "0,05", "200", false}).depart, (Depart{10000, 5, 57, 12, false, ""}));
    EXPECT_EQ(nb_mens({"10000", "5", "200", true}).depart, (Depart{10000, 5, 5, 1, false, ""}));
    EXPECT_EQ(calcul_taux({"10000", "200", "60", Formule::interets_simples, false}).depart,
              (Depart{10000, 4, 60, 12, false, note_taux}));
    // The rate is found in months even when durations are in years: so is the loan.
    EXPECT_EQ(calcul_taux({"10000", "200", "60", Formule::interets_constants, true}).depart,
              (Depart{10000, 7.42, 60, 12, false, ""}));

    Grille g = prepare_grille({"10000", "12", "15", "4", "5"});
    EXPECT_EQ(depart_de_la_case(g, 10000, 4, 2, Formule::interets_constants, false),
              (Depart{10000, 5, 14, 12, true, ""}));
    for (Formule f : {Formule::interets_simples, Formule::interets_composes}) {
        Depart d = depart_de_la_case(g, 10000, 1, 0, f, true);
        EXPECT_EQ(d.taux, 4.25);
        EXPECT_EQ(d.nombre, 12);
        EXPECT_EQ(d.periodes_par_an, 1);
        EXPECT_FALSE(d.en_debut_de_periode);
        EXPECT_NE(d.note.find(std::string("« ") + libelle(f) + " »"), std::string::npos) << d.note;
    }
    EXPECT_EQ(depart_de_la_case(g, 10000, 5, 4, Formule::interets_constants, false).nombre, 0);  // past the table
}
