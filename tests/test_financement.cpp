// Financings against tests/reference/financements.py, exact integer cents written apart
// from the code: steps, deferrals, PTZ, smoothing and their offers' figures, read from the
// dossiers of tests/reference/financements/; the capacity from its own files; and the
// capacity's edge: its amount keeps the ratio, one euro more breaks it.
#include "attendu.h"
#include "calc/nombres.h"
#include "credit/argent.h"
#include "credit/capacite.h"
#include "credit/chiffres.h"
#include "credit/fichier_dossier.h"
#include "credit/lissage.h"
#include "credit/ptz.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

using namespace credit;

namespace {

const std::filesystem::path references = TARVIO_REFERENCES_FINANCEMENTS;

std::string taux(std::optional<double> x)
{
    return x ? calc::pour_cent(*x) : "—";
}

std::string oui(bool b)
{
    return b ? "oui" : "non";
}

bool alerte(const std::vector<std::string>& alertes, const std::string& debut)
{
    return std::any_of(alertes.begin(), alertes.end(), [&](const std::string& a) { return a.rfind(debut, 0) == 0; });
}

// The offer's figures and lines as the reference writes them; lines and months only where it wrote them.
Lignes obtenu(const OffreBancaire& o, const Situation& s, const Lignes& reference)
{
    auto c = chiffrer(o, s, 8, annees(o));
    Financement f = financer(o);
    if (!c || !f.erreur.empty())
        return {{"erreur", f.erreur}};
    Lignes l = {{"Échéance", calc::euros(c->echeance)},
                {"Échéance avec assurance", calc::euros(c->echeance_avec_assurance)},
                {"Total des intérêts", calc::euros(c->interets)},
                {"Total de l'assurance", calc::euros(c->assurance)},
                {"Coût total du crédit", calc::euros(c->cout_total)},
                {"TAEG", taux(c->taeg)},
                {"TAEA", taux(c->taea)},
                {"Taux d'endettement", taux(c->endettement)},
                {"alerte différé PTZ", oui(alerte(c->alertes, "Le différé du PTZ"))},
                {"alerte montant PTZ", oui(alerte(c->alertes, "Le PTZ ("))}};
    if (c->versement_lisse)
        l["Versement lissé"] = calc::euros(*c->versement_lisse);
    for (std::size_t i = 0; i < o.prets.size(); ++i) {
        std::string nom = "prêt " + std::to_string(i + 1);
        l[nom + ", montant"] = calc::euros(o.prets[i].capital);
        l[nom + ", échéances"] = std::to_string(f.lignes[i].size());
        for (std::size_t n = 1; n <= f.lignes[i].size(); ++n)
            if (reference.count(nom + ", ligne " + std::to_string(n)))
                l[nom + ", ligne " + std::to_string(n)] = texte_de_ligne(f.lignes[i][n - 1]);
    }
    std::vector<Ligne> mois = par_mois(o.prets, f.lignes);
    for (std::size_t m = 1; m <= mois.size(); ++m)
        if (reference.count("mois " + std::to_string(m)))
            l["mois " + std::to_string(m)] = calc::euros(mois[m - 1].echeance + mois[m - 1].assurance);
    return l;
}

Lignes capacite_du_fichier(const std::string& fichier)
{
    auto j = nlohmann::json::parse(lire_fichier(references / fichier));
    DemandeCapacite d{.revenu_mensuel = j["revenu_mensuel"],
                      .charges_mensuelles = j.value("charges_mensuelles", 0.0),
                      .endettement = calc::centieme(j.value("endettement", 35.0)),
                      .taux_annuel = calc::centieme(j["taux"].get<double>()),
                      .nb_echeances = j["nombre_echeances"],
                      .taux_assurance = calc::centieme(j.value("taux_assurance", 0.0))};
    auto c = capacite(d).value_or(Capacite{});
    std::string montant = calc::montant(c.montant);
    Lignes l = {{"Montant maximal", montant.substr(0, montant.size() - 3) + " €"},
                {"Échéance avec assurance", calc::euros(c.echeance_avec_assurance)},
                {"Reste à vivre", calc::euros(c.reste_a_vivre)}};
    if (j.contains("montant")) {
        auto mois = duree_necessaire(d, j["montant"].get<double>());
        l["Durée nécessaire"] = mois ? std::to_string(*mois) + " mois" : "—";
    }
    return l;
}

}  // namespace

TEST(Financement, ChaqueOffreEtChaqueCapaciteContreLaReferenceExacte)
{
    const auto reference = attendu(references / "attendu.txt");
    ASSERT_GE(reference.size(), 14u);
    for (const auto& [fichier, blocs] : reference) {
        SCOPED_TRACE(fichier);
        if (fichier.rfind("capacite-", 0) == 0) {
            ASSERT_EQ(blocs.size(), 1u);
            comparer_a(blocs[0], capacite_du_fichier(fichier));
            continue;
        }
        LectureDossier l = lire_dossier(lire_fichier(references / fichier));
        ASSERT_TRUE(l.dossier) << l.erreur;
        ASSERT_EQ(l.dossier->offres.size(), blocs.size());
        for (std::size_t i = 0; i < blocs.size(); ++i) {
            SCOPED_TRACE(l.dossier->offres[i].nom);
            Lignes o = obtenu(l.dossier->offres[i], l.dossier->situation, blocs[i]);
            ASSERT_FALSE(o.count("erreur")) << o["erreur"];
            comparer_a(blocs[i], o);
        }
    }
}

TEST(Capacite, LeMontantTientLeTauxEtUnEuroDePlusLeRompt)
{
    for (double revenu : {2500.0, 5000.0, 7321.45}) {
        DemandeCapacite d{.revenu_mensuel = revenu,
                          .charges_mensuelles = 300,
                          .taux_annuel = 0.035,
                          .nb_echeances = 300,
                          .taux_assurance = 0.003};
        auto c = capacite(d);
        ASSERT_TRUE(c) << revenu;
        // 35 % of the income in cents, exactly: 100 x (instalment + charges) <= 35 x income.
        auto tient = [&](double montant) {
            return 100 * (centimes(*mensualite(d, montant)) + 30000) <= 35 * centimes(revenu);
        };
        EXPECT_TRUE(tient(c->montant)) << revenu;
        EXPECT_FALSE(tient(c->montant + 1)) << revenu;
        EXPECT_EQ(c->echeance_avec_assurance, *mensualite(d, c->montant));
        EXPECT_EQ(centimes(c->reste_a_vivre), centimes(revenu) - centimes(c->echeance_avec_assurance) - 30000);
        // The other way round: 300 months suffice for that amount; one euro more needs more.
        EXPECT_LE(duree_necessaire(d, c->montant).value_or(0), 300);
        EXPECT_GT(duree_necessaire(d, c->montant + 1).value_or(0), 300);
    }
    EXPECT_FALSE(capacite({.revenu_mensuel = 1000, .charges_mensuelles = 400, .taux_annuel = 0.03}));
    EXPECT_LE(capacite({.revenu_mensuel = 1e9, .taux_annuel = 0})->montant, capital_maxi);  // no loan beyond it
}
