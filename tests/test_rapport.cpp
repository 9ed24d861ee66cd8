// Which report the print command makes, and its operations, without a printer.
#include "report/rapport.h"

#include <gtest/gtest.h>

using namespace rapport;

namespace {

// Which calculators are used, and made-up captions that tell every field apart.
Fenetre fenetre(bool hypotheses, bool mensualites = false, bool taux = false)
{
    // clang-format off
    return {{hypotheses, {"L1", hypotheses ? "10000" : "0.00"}, {"L2", "12"}, {"L5", "15"}, {"L3", "4"}, {"L4", "5"}},
            {mensualites, {"L6", "10000"}, {"L7", "5"}, {"L9", "200"}, "Nombre de Mensualités : 57 mois"},
            {taux, {"L11", "10000"}, {"L12", "200"}, {"L13", "60"}, "Taux à : 7,42 %"}, "06/12/2026"};
    // clang-format on
}

template <class... F>
struct Selon : F... {
    using F::operator()...;
};

// The operations one letter each: P font, T size, O orientation, X text, I the grid's picture, F the end.
std::string sortes(const Impression& imp)
{
    std::string s;
    for (const Operation& op : imp.operations)
        s += std::visit(Selon{[](const Police&) { return 'P'; }, [](const Taille&) { return 'T'; },
                              [](const Orientation&) { return 'O'; }, [](const Texte&) { return 'X'; },
                              [](const Image&) { return 'I'; }, [](const Fin&) { return 'F'; }},
                        op);
    return s;
}

// Every text, in order, with "|" where one ends and the next begins.
std::string textes(const Impression& imp)
{
    std::string s;
    for (const Operation& op : imp.operations)
        if (auto* t = std::get_if<Texte>(&op))
            s += t->texte + "|";
    return s;
}

bool paysage(const Impression& imp)
{
    for (const Operation& op : imp.operations)
        if (auto* o = std::get_if<Orientation>(&op))
            return o->paysage;
    return false;
}

// Where each text stands, npos if nowhere.
std::size_t ou(const Impression& imp, const std::string& texte)
{
    return textes(imp).find(texte);
}

}  // namespace

TEST(Rapport, RienAImprimerSansCalculateurUtilise)
{
    Impression rien = composer(fenetre(false));
    EXPECT_EQ(rien.refus, (calc::Message{"Tout les montants sont à zéro\r\nIl n'y a rien à imprimer !", "Menu imprimer",
                                         calc::Icone::critique}));
    EXPECT_TRUE(rien.operations.empty());
}

// A calculator alone: its captions and boxes, its result in larger type, nothing of the
// others and no date; the grid's picture above the table's inputs.
TEST(Rapport, UnCalculateurSeulSonRapportCourt)
{
    Impression h = composer(fenetre(true));
    EXPECT_EQ(sortes(h), "POIXF");
    EXPECT_EQ(textes(h), "L1 : 10000\r\nL2 : 12 L5 : 15\r\nL3 : 4 L4 : 5\r\n|");

    Impression m = composer(fenetre(false, true));
    EXPECT_EQ(sortes(m), "PXTXF");
    EXPECT_EQ(textes(m), "L6 : 10000\r\nL7 : 5% L9 : 200\r\n|Nombre de Mensualités : 57 mois|");  // the rate's sign added

    Impression t = composer(fenetre(false, false, true));
    EXPECT_EQ(sortes(t), "PXTXF");
    EXPECT_EQ(ou(t, "L11 : 10000\r\nL12 : 200 L13 : 60"), 0u);
    EXPECT_NE(ou(t, "|Taux à : 7,42 %"), std::string::npos);
    for (const Impression& seul : {h, m, t})
        EXPECT_EQ(ou(seul, "Impression du"), std::string::npos);
}

// Two or three calculators: the dated report, in 12 points, the number of instalments, the
// rate, then the grid's picture and the table's inputs, whichever are used.
TEST(Rapport, DeuxOuTroisCalculateursLeRapportCompletDate)
{
    for (const Fenetre& f : {fenetre(true, true), fenetre(true, false, true), fenetre(false, true, true),
                             fenetre(true, true, true)}) {
        Impression r = composer(f);
        EXPECT_EQ(sortes(r), "PTOXXXXXXXXXIXF");
        EXPECT_EQ(ou(r, "Impression du 06/12/2026 -- VELORAN V2 -- "), 0u);
        std::size_t mensualites = ou(r, "L6 : 10000"), taux = ou(r, "L11 : 10000"), table = ou(r, "L1 : ");
        EXPECT_TRUE(mensualites < taux && taux < table && table != std::string::npos);
        EXPECT_NE(ou(r, "|Nombre de Mensualités : 57 mois|"), std::string::npos);
        EXPECT_NE(ou(r, "|Taux à : 7,42 %|"), std::string::npos);
    }
}

// Landscape from 8 columns, the heading column counted, whichever report holds the table.
TEST(Rapport, PaysageDesHuitColonnes)
{
    for (bool complet : {false, true}) {
        Fenetre f = fenetre(true, complet);
        f.hypotheses.nb_colonnes = 7;
        EXPECT_FALSE(paysage(composer(f))) << complet;
        f.hypotheses.nb_colonnes = 8;
        EXPECT_TRUE(paysage(composer(f))) << complet;
    }
}
