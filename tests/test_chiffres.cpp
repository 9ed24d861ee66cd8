// The offers' figures against tests/reference/offres.py, exact fractions written apart from
// the code: each dossier of tests/reference/offres/ is read as a user's file would be, and
// every figure compared with attendu.txt, the reference's own output on those files.
#include "attendu.h"
#include "calc/nombres.h"
#include "credit/chiffres.h"
#include "credit/comparaison.h"
#include "credit/fichier_dossier.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

using namespace credit;

namespace {

const std::filesystem::path references = TARVIO_REFERENCES;

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
                {"Coût à " + en_annees(horizon), calc::euros(c.cout_horizon)},
                {"Indemnités à " + en_annees(horizon), calc::euros(c.indemnites_horizon)},
                {"Contrôle du TAEG annoncé", controle_taeg(c.ecart_taeg)},
                {"Contrôle de l'échéance annoncée", controle_echeance(c.ecart_echeance)}};
    for (std::size_t a = 0; a < c.cout_par_annee.size(); ++a)
        l[en_annees(static_cast<int>(a) + 1)] = calc::euros(c.cout_par_annee[a]);
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
    const auto reference = attendu(references / "attendu.txt");
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
