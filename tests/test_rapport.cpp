// Which report the print command makes, and its lines, without a printer.
#include "rapport.h"

#include <gtest/gtest.h>

using namespace rapport;

namespace {

// Which calculators are used, and made-up captions that tell every field apart.
Fenetre fenetre(bool hypotheses, bool mensualites = false, bool taux = false)
{
    return {
        .hypotheses =
            {hypotheses, {"L1", hypotheses ? "10000" : "0.00"}, {"L2", "12"}, {"L5", "15"}, {"L3", "4"}, {"L4", "5"}},
        .mensualites = {mensualites, {"L6", "10000"}, {"L7", "5"}, {"L9", "200"}, "Nombre de Mensualités : 57 mois"},
        .taux = {taux, {"L11", "10000"}, {"L12", "200"}, {"L13", "60"}, "Taux à : 7,42 %"},
        .date = "06/12/2026",
    };
}

// The printed lines in order, each text op ending its last line.
std::vector<std::string> lignes(const Impression& imp)
{
    std::vector<std::string> resultat;
    for (const Operation& op : imp.operations)
        if (auto* t = std::get_if<Texte>(&op)) {
            std::string texte = t->texte;
            for (std::size_t p; (p = texte.find("\r\n")) != std::string::npos; texte.erase(0, p + 2))
                resultat.push_back(texte.substr(0, p));
            resultat.push_back(texte);
        }
    return resultat;
}

template <typename T>
const T* trouver(const Impression& imp)
{
    for (const Operation& op : imp.operations)
        if (auto* t = std::get_if<T>(&op))
            return t;
    return nullptr;
}

}  // namespace

TEST(Rapport, ChoixDeLaMiseEnPage)
{
    Impression rien = composer(fenetre(false));
    EXPECT_EQ(rien.refus, (calc::Message{"Tout les montants sont à zéro\r\nIl n'y a rien à imprimer !", "Menu imprimer",
                                         calc::Icone::critique}));
    EXPECT_TRUE(rien.operations.empty());
    for (auto f : {fenetre(true, true), fenetre(false, true, true), fenetre(true, false, true)}) {
        Impression imp = composer(f);
        EXPECT_EQ(lignes(imp).front(), "Impression du 06/12/2026 -- VELORAN V2 -- ");
        EXPECT_EQ(std::get<Police>(imp.operations.front()).nom, "arial");
        EXPECT_TRUE(std::holds_alternative<Fin>(imp.operations.back()));
    }
}

TEST(Rapport, HypothesesMensualitesEtTaux)
{
    Fenetre f = fenetre(true);
    Impression imp = composer(f);
    EXPECT_EQ(lignes(imp), (std::vector<std::string>{"L1 : 10000", "L2 : 12 L5 : 15", "L3 : 4 L4 : 5", ""}));
    EXPECT_EQ(trouver<Image>(imp)->y, 1000);
    EXPECT_EQ(trouver<Taille>(imp), nullptr);          // the printer's own size
    EXPECT_FALSE(trouver<Orientation>(imp)->paysage);  // no table built yet
    f.hypotheses.nb_colonnes = 7;  // 7 periods and the heading column
    EXPECT_FALSE(trouver<Orientation>(composer(f))->paysage);
    f.hypotheses.nb_colonnes = 8;
    EXPECT_TRUE(trouver<Orientation>(composer(f))->paysage);

    EXPECT_EQ(lignes(composer(fenetre(false, true))),
              (std::vector<std::string>{"L6 : 10000", "L7 : 5% L9 : 200", "", "Nombre de Mensualités : 57 mois"}));
    Impression taux = composer(fenetre(false, false, true));
    EXPECT_EQ(lignes(taux), (std::vector<std::string>{"L11 : 10000", "L12 : 200 L13 : 60", "", "Taux à : 7,42 %", ""}));
    EXPECT_EQ(trouver<Taille>(taux)->points, 12);
}

TEST(Rapport, RapportComplet)
{
    Fenetre f = fenetre(false, true, true);
    f.mensualites.resultat = "";
    f.hypotheses.nb_colonnes = 8;
    Impression imp = composer(f);
    std::vector<std::string> attendu = {"Impression du 06/12/2026 -- VELORAN V2 -- ",
                                        "",
                                        "L6 : 10000",
                                        "L7 : 5% L9 : 200",
                                        std::string(122, '-'),
                                        "",
                                        std::string(62, '='),
                                        "",
                                        "L11 : 10000",
                                        "L12 : 200 L13 : 60",
                                        std::string(124, '-'),
                                        "Taux à : 7,42 %",
                                        std::string(62, '='),
                                        "",
                                        "L1 : 0.00",
                                        "L2 : 12 L5 : 15",
                                        "L3 : 4 L4 : 5",
                                        ""};
    EXPECT_EQ(lignes(imp), attendu);
    EXPECT_TRUE(std::holds_alternative<Taille>(imp.operations.at(1)));
    EXPECT_TRUE(trouver<Orientation>(imp)->paysage);
    EXPECT_EQ(trouver<Image>(imp)->y, 5000);
}
