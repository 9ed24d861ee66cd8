// The offers' figures against tests/reference/offres.py, exact fractions written apart from
// the code: each dossier of tests/reference/offres/ is read as a user's file would be, and
// every figure compared with attendu.txt, the reference's own output on those files.
#include "calc/nombres.h"
#include "credit/chiffres.h"
#include "credit/fichier_dossier.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using namespace credit;

namespace {

const std::filesystem::path references = TARVIO_REFERENCES;

std::string lire_fichier(const std::filesystem::path& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// The reference's lines of each offer of each file: "  Échéance : 711,04 €" gives
// attendu["deux-prets.tarvio"][0]["Échéance"] = "711,04 €".
using Lignes = std::map<std::string, std::string>;
std::map<std::string, std::vector<Lignes>> attendu()
{
    std::map<std::string, std::vector<Lignes>> a;
    std::istringstream texte(lire_fichier(references / "attendu.txt"));
    std::string fichier;
    for (std::string l; std::getline(texte, l);) {
        if (l.rfind("== ", 0) == 0)
            fichier = l.substr(3, l.find(' ', 3) - 3);
        else if (l.rfind("Offre : ", 0) == 0)
            a[fichier].emplace_back();
        else if (auto deux_points = l.find(" : "); deux_points != std::string::npos && !a[fichier].empty())
            a[fichier].back()[l.substr(l.find_first_not_of(' '), deux_points - l.find_first_not_of(' '))] =
                l.substr(deux_points + 3);
    }
    return a;
}

std::string ans(int n)
{
    return std::to_string(n) + (n == 1 ? " an" : " ans");
}

std::string taux(std::optional<double> x)
{
    return x ? calc::pour_cent(*x) : "—";
}

// What the code computes, as the reference writes it.
Lignes obtenu(const Chiffres& c, int horizon)
{
    Lignes l = {{"Échéance", calc::euros(c.echeance)},
                {"Échéance avec assurance", calc::euros(c.echeance_avec_assurance)},
                {"Total des intérêts", calc::euros(c.interets)},
                {"Total de l'assurance", calc::euros(c.assurance)},
                {"Frais", calc::euros(c.frais)},
                {"Coût total du crédit", calc::euros(c.cout_total)},
                {"Coût net", calc::euros(c.cout_net)},
                {"TAEG", taux(c.taeg)},
                {"TAEA", taux(c.taea)},
                {"Taux d'endettement", taux(c.endettement)},
                {"Coût à " + ans(horizon), calc::euros(c.cout_horizon)},
                {"Indemnités à " + ans(horizon), calc::euros(c.indemnites_horizon)},
                {"Contrôle du TAEG annoncé", controle_taeg(c.ecart_taeg)},
                {"Contrôle de l'échéance annoncée", controle_echeance(c.ecart_echeance)}};
    for (std::size_t a = 0; a < c.cout_par_annee.size(); ++a)
        l[ans(static_cast<int>(a) + 1)] = calc::euros(c.cout_par_annee[a]);
    return l;
}

// "4,53 % (exact 0.04532414574)" gives 0.04532414574.
double exact(const std::string& texte)
{
    auto debut = texte.find("exact ");
    return debut == std::string::npos ? NAN : std::stod(texte.substr(debut + 6));
}

}  // namespace

TEST(Chiffres, ChaqueOffreContreLaReferenceExacte)
{
    const auto reference = attendu();
    ASSERT_GE(reference.size(), 10u);
    for (const auto& [fichier, offres] : reference) {
        LectureDossier lecture = lire_dossier(lire_fichier(references / fichier));
        ASSERT_TRUE(lecture.dossier) << fichier << ": " << lecture.erreur;
        const Dossier& d = *lecture.dossier;
        ASSERT_EQ(d.offres.size(), offres.size()) << fichier;
        for (std::size_t i = 0; i < offres.size(); ++i) {
            SCOPED_TRACE(fichier + ", " + d.offres[i].nom);
            auto c = chiffrer(d.offres[i], d.situation, d.horizon_annees, annees(d.offres[i]));
            ASSERT_TRUE(c);
            for (const auto& [cle, valeur] : obtenu(*c, d.horizon_annees)) {
                auto ligne = offres[i].find(cle);
                ASSERT_NE(ligne, offres[i].end()) << cle;
                EXPECT_EQ(valeur, ligne->second.substr(0, ligne->second.find(" (")).c_str()) << cle;
            }
            EXPECT_NEAR(c->taeg.value_or(NAN), exact(offres[i].at("TAEG")), 1e-10);
            EXPECT_NEAR(c->taea.value_or(NAN), exact(offres[i].at("TAEA")), 1e-10);
        }
    }
}
