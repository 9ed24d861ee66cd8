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

// The operations, one a line: texts as they are, the others in brackets.
std::string operations(const Impression& imp)
{
    auto nombre = [](double x) { return std::to_string(static_cast<int>(x)); };
    std::string s;
    for (const Operation& op : imp.operations)
        s += std::visit(Selon{[](const Police& p) { return "[" + p.nom + "]"; },
                              [&](const Taille& t) { return "[" + nombre(t.points) + " pt]"; },
                              [](const Orientation& o) { return std::string(o.paysage ? "[paysage]" : "[portrait]"); },
                              [&](const Image& i) { return "[image " + nombre(i.x) + " " + nombre(i.y) + "]"; },
                              [](const Fin&) { return std::string("[fin]"); }, [](const Texte& t) { return t.texte; }},
                        op) +
             "\n";
    return s;
}

}  // namespace

TEST(Rapport, UnCalculateurSeulOuLeRapportComplet)
{
    Impression rien = composer(fenetre(false));
    EXPECT_EQ(rien.refus, (calc::Message{"Tout les montants sont à zéro\r\nIl n'y a rien à imprimer !", "Menu imprimer",
                                         calc::Icone::critique}));
    EXPECT_TRUE(rien.operations.empty());

    Fenetre f = fenetre(true);
    EXPECT_EQ(operations(composer(f)),
              "[arial]\n[portrait]\n[image 0 1000]\nL1 : 10000\r\nL2 : 12 L5 : 15\r\nL3 : 4 L4 : 5\r\n\n[fin]\n");
    f.hypotheses.nb_colonnes = 7;  // 7 periods and the heading column
    EXPECT_EQ(operations(composer(f)).find("[paysage]"), std::string::npos);
    f.hypotheses.nb_colonnes = 8;
    EXPECT_NE(operations(composer(f)).find("[paysage]"), std::string::npos);
    EXPECT_EQ(operations(composer(fenetre(false, true))),
              "[arial]\nL6 : 10000\r\nL7 : 5% L9 : 200\r\n\n[12 pt]\nNombre de Mensualités : 57 mois\n[fin]\n");
    EXPECT_EQ(operations(composer(fenetre(false, false, true))),
              "[arial]\nL11 : 10000\r\nL12 : 200 L13 : 60\r\n\n[12 pt]\nTaux à : 7,42 %\r\n\n[fin]\n");

    f = fenetre(false, true, true);
    f.mensualites.resultat = "";
    f.hypotheses.nb_colonnes = 8;
    const std::string egal = std::string(62, '=') + "\r\n\n";
    EXPECT_EQ(operations(composer(f)),
              "[arial]\n[12 pt]\n[paysage]\nImpression du 06/12/2026 -- VELORAN V2 -- \r\n\nL6 : 10000\r\n"
              "L7 : 5% L9 : 200\n" +
                  std::string(122, '-') + "\n\n" + egal + "L11 : 10000\r\nL12 : 200 L13 : 60\n" +
                  std::string(124, '-') + "\nTaux à : 7,42 %\n" + egal +
                  "[image 0 5000]\nL1 : 0.00\r\nL2 : 12 L5 : 15\r\nL3 : 4 L4 : 5\r\n\n[fin]\n");
    for (const Fenetre& deux : {fenetre(true, true), fenetre(true, false, true)})
        EXPECT_NE(operations(composer(deux)).find("\nImpression du "), std::string::npos);
}
