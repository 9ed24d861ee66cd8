// The offers side by side: the rows a household reads, the lowest of each marked, where
// the costs cross. The costs themselves are checked against the reference in test_chiffres.cpp.
#include "credit/comparaison.h"
#include "credit/fichier_dossier.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace credit;

namespace {

Dossier dossier(const char* nom)
{
    std::ifstream f(std::filesystem::path(TARVIO_REFERENCES) / nom, std::ios::binary);
    return lire_dossier(std::string(std::istreambuf_iterator<char>(f), {})).dossier.value();
}

const Rangee& rangee(const Comparaison& c, const std::string& titre)
{
    for (const Rangee& r : c.rangees)
        if (r.titre == titre)
            return r;
    throw std::out_of_range(titre);
}

}  // namespace

// Three offers whose costs cross (tests/reference/offres/attendu.txt gives them year by
// year): the cheapest at 8 years was dearer than the other two at first.
TEST(Comparaison, LignesMarquesEtCroisementsDesCouts)
{
    Comparaison c = comparer(dossier("courbes-croisees.tarvio"));
    std::vector<std::string> titres;
    for (const Rangee& r : c.rangees)
        titres.push_back(r.titre);
    EXPECT_EQ(titres, (std::vector<std::string>{"Montant emprunté", "Échéance", "Échéance avec assurance",
                                                "Total des intérêts", "Total de l'assurance", "Frais",
                                                "Coût total du crédit", "Coût net",
                                                "Indemnités et frais des événements", "Gain net des événements",
                                                "TAEG", "TAEA", "TAEG annoncé",
                                                "Contrôle du TAEG", "Échéance annoncée", "Contrôle de l'échéance",
                                                "Coût à 8 ans", "Indemnités à 8 ans", "Taux d'endettement"}));
    EXPECT_EQ(rangee(c, "Coût à 8 ans").cellules,
              (std::vector<std::string>{"49 474,97 €", "51 166,18 €", "49 941,41 €"}));
    EXPECT_EQ(rangee(c, "Coût à 8 ans").plus_basses, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(rangee(c, "Frais").plus_basses, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(rangee(c, "Total de l'assurance").plus_basses, (std::vector<bool>{true, true, true}));  // a tie
    EXPECT_EQ(rangee(c, "Montant emprunté").plus_basses, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(rangee(c, "Gain net des événements").cellules, (std::vector<std::string>{"—", "—", "—"}));
    EXPECT_EQ(c.croisements,
              (std::vector<std::string>{
                  "Taux bas, frais élevés devient moins chère que Taux haut, sans frais ni indemnités après 7 ans",
                  "Taux bas, frais élevés devient moins chère que Entre les deux, sur 25 ans après 8 ans"}));
    EXPECT_EQ(c.couts[1].size(), 25u);  // every curve to the longest loan's end

    std::string csv = texte_csv(c);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")), "\xEF\xBB\xBF;Taux bas, frais élevés;Taux haut, sans frais ni "
                                               "indemnités;Entre les deux, sur 25 ans");
    for (const char* ligne : {"\r\nCoût à 8 ans;49474,97;51166,18;49941,41\r\n", "\r\nTAEG;3,47 %;3,82 %;3,42 %\r\n",
                              "\r\nContrôle du TAEG;;;\r\n"})
        EXPECT_NE(csv.find(ligne), std::string::npos) << ligne;
}

// An offer without a schedule shows nothing and is never the lowest; a horizon of a year is "1 an".
TEST(Comparaison, OffreSansEcheancierEtHorizonDUnAn)
{
    Dossier d = dossier("courbes-croisees.tarvio");
    d.horizon_annees = 1;
    d.offres[0].prets[0].periodes_par_an = 5;
    Comparaison c = comparer(d);
    EXPECT_FALSE(c.chiffres[0]);
    for (const Rangee& r : c.rangees) {
        EXPECT_EQ(r.cellules[0], "—") << r.titre;
        EXPECT_FALSE(r.plus_basses[0]) << r.titre;
    }
    EXPECT_EQ(rangee(c, "Coût à 1 an").plus_basses, (std::vector<bool>{false, true, false}));
    for (const std::string& phrase : c.croisements)
        EXPECT_EQ(phrase.find("Taux bas"), std::string::npos) << phrase;
}
