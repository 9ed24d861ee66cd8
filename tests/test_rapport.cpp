// Which report the print command makes, and its lines, without a printer.
#include "rapport.h"

#include <gtest/gtest.h>

using namespace rapport;

namespace {

Fenetre fenetre(std::string text1 = "0.00", std::string text4 = "0", std::string text7 = "0")
{
    Fenetre f;
    f.label1 = "L1", f.text1 = text1, f.label2 = "L2", f.text2 = "12", f.label5 = "L5", f.text3 = "15";
    f.label3 = "L3", f.combo1 = "4", f.label4 = "L4", f.combo2 = "5";
    f.label6 = "L6", f.text4 = text4, f.label7 = "L7", f.text5 = "5", f.label9 = "L9", f.text6 = "200";
    f.label10 = "Nombre de Mensualités : 57 mois";
    f.label11 = "L11", f.text7 = text7, f.label12 = "L12", f.text8 = "200", f.label13 = "L13", f.text9 = "60";
    f.label14 = "Taux à : 7,42 %";
    f.date = "06/12/2026";
    return f;
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
    Impression rien = mnimprim(fenetre());
    EXPECT_EQ(rien.refus, (calc::Message{"Tout les montants sont à zéro\r\nIl n'y a rien à imprimer !",
                                         "Menu imprimer", calc::Icone::critique}));
    EXPECT_TRUE(rien.operations.empty());
    EXPECT_EQ(lignes(mnimprim(fenetre("0"))).front(), "L1 : 0");  // a lone 0 is not the start-up text
    for (auto f : {fenetre("1", "1"), fenetre("0.00", "1", "1"), fenetre("1", "0", "1")}) {
        Impression imp = mnimprim(f);
        EXPECT_EQ(lignes(imp).front(), "Impression du 06/12/2026 -- VELORAN V2 -- ");
        EXPECT_EQ(std::get<Police>(imp.operations.front()).nom, "arial");
        EXPECT_TRUE(std::holds_alternative<Fin>(imp.operations.back()));
    }
}

TEST(Rapport, HypothesesMensualitesEtTaux)
{
    Fenetre f = fenetre("10000");
    Impression imp = mnimprim(f);
    EXPECT_EQ(lignes(imp), (std::vector<std::string>{"L1 : 10000", "L2 : 12 L5 : 15", "L3 : 4 L4 : 5", ""}));
    EXPECT_EQ(trouver<Image>(imp)->y, 1000);
    EXPECT_EQ(trouver<Taille>(imp), nullptr);        // the printer's own size
    EXPECT_FALSE(trouver<Orientation>(imp)->paysage);  // no table built yet
    f.nb_colonnes = "8";
    EXPECT_TRUE(trouver<Orientation>(mnimprim(f))->paysage);

    EXPECT_EQ(lignes(mnimprim(fenetre("0.00", "10000"))),
              (std::vector<std::string>{"L6 : 10000", "L7 : 5% L9 : 200", "", "Nombre de Mensualités : 57 mois"}));
    Impression taux = mnimprim(fenetre("0.00", "0", "10000"));
    EXPECT_EQ(lignes(taux), (std::vector<std::string>{"L11 : 10000", "L12 : 200 L13 : 60", "", "Taux à : 7,42 %", ""}));
    EXPECT_EQ(trouver<Taille>(taux)->points, 12);
}

TEST(Rapport, RapportComplet)
{
    Fenetre f = fenetre("0.00", "10000", "10000");
    f.label10 = "";
    f.nb_colonnes = "8";
    Impression imp = mnimprim(f);
    std::vector<std::string> attendu = {
        "Impression du 06/12/2026 -- VELORAN V2 -- ", "", "L6 : 10000", "L7 : 5% L9 : 200", std::string(122, '-'),
        "", std::string(62, '='), "", "L11 : 10000", "L12 : 200 L13 : 60", std::string(124, '-'),
        "Taux à : 7,42 %", std::string(62, '='), "", "L1 : 0.00", "L2 : 12 L5 : 15", "L3 : 4 L4 : 5", ""};
    EXPECT_EQ(lignes(imp), attendu);
    EXPECT_TRUE(std::holds_alternative<Taille>(imp.operations.at(1)));
    EXPECT_TRUE(trouver<Orientation>(imp)->paysage);
    EXPECT_EQ(trouver<Image>(imp)->y, 5000);
}
