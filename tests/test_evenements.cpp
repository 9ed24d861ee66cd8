// Loans with their events against tests/reference/evenements.py, exact integer cents
// written apart from the code: each dossier of tests/reference/evenements/ is read as a
// user's file would be; its schedules after their events, each event's penalty, fees and
// break-even, the offers' totals and horizon costs are compared with attendu.txt, the
// reference's own output, and so is each buy-back.
#include "attendu.h"
#include "calc/nombres.h"
#include "credit/argent.h"
#include "credit/chiffres.h"
#include "credit/comparaison.h"
#include "credit/deroulement.h"
#include "credit/fichier_dossier.h"
#include "credit/rachat.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace credit;

namespace {

const std::filesystem::path references = TARVIO_REFERENCES_EVENEMENTS;

std::string euros(std::optional<double> x)
{
    return x ? calc::euros(*x) : "—";
}

std::string rang(std::optional<int> ligne)
{
    return ligne ? std::to_string(*ligne) : "—";
}

void totaux(const Chiffres& c, int horizon, Lignes& l)
{
    l["Total des intérêts"] = euros(c.interets);
    l["Total de l'assurance"] = euros(c.assurance);
    l["Indemnités et frais des événements"] = euros(c.cout_evenements);
    l["Coût total du crédit"] = euros(c.cout_total);
    l["Coût net"] = euros(c.cout_net);
    l["Gain net des événements"] = euros(c.gain_evenements);
    l["Coût à " + en_annees(horizon)] = euros(c.cout_horizon);
    l["Indemnités à " + en_annees(horizon)] = euros(c.indemnites_horizon);
}

// The loan's lines that the reference printed, its events and warnings, as the code gives them.
void pret(const Pret& p, const Deroulement& d, const std::string& nom, const Lignes& reference, Lignes& l)
{
    l[nom + ", échéances"] = std::to_string(d.lignes.size());
    for (const EvenementApplique& e : d.evenements)
        l[nom + ", événement " + std::to_string(e.indice + 1)] =
            "après l'échéance " + std::to_string(e.apres) + " ; remboursé " + calc::euros(en_euros(e.rembourse)) +
            " ; indemnité " + calc::euros(en_euros(e.indemnite)) + " ; frais " + calc::euros(en_euros(e.frais)) +
            " ; rentable après l'échéance " + rang(e.rentable_apres);
    std::string avertis;
    for (const std::string& a : d.avertissements)
        avertis += (avertis.empty() ? "" : ", ") + a.substr(0, a.find(" : "));
    l[nom + ", avertissements"] = avertis.empty() ? "—" : avertis;
    for (std::size_t n = 1; n <= d.lignes.size(); ++n) {
        std::string cle = nom + ", ligne " + std::to_string(n);
        if (reference.count(cle))
            l[cle] = texte_de_ligne(d.lignes[n - 1]);
        if (reference.count(nom + ", date de la ligne " + std::to_string(n)) && p.premiere_echeance)
            l[nom + ", date de la ligne " + std::to_string(n)] =
                date_en_francais(date_de_ligne(*p.premiere_echeance, static_cast<int>(n), p.periodes_par_an));
    }
}

Dossier lire(const std::string& fichier)
{
    LectureDossier l = lire_dossier(lire_fichier(references / fichier));
    EXPECT_TRUE(l.dossier) << fichier << ": " << l.erreur;
    return l.dossier.value_or(Dossier{});
}

Lignes rachat(const std::string& fichier)
{
    auto j = nlohmann::json::parse(lire_fichier(references / fichier));
    Dossier d = lire(j["dossier"]);
    Rachat r{.apres_echeance = j["apres_echeance"],
             .taux_annuel = calc::centieme(j["taux"].get<double>()),
             .nb_echeances = j["nombre_echeances"],
             .frais = j.value("frais", 0.0)};
    for (const auto& a : j.value("assurance", nlohmann::json::array()))
        r.assurances.push_back(a.contains("mensualite")
                                   ? Assurance{.mensualite = a["mensualite"].get<double>()}
                                   : Assurance{.taux = calc::centieme(a["taux"].get<double>()),
                                               .base = a.value("base", "") == "capital_restant_du"
                                                           ? BaseAssurance::capital_restant_du
                                                           : BaseAssurance::capital_initial,
                                               .quotite = calc::centieme(a.value("quotite", 100.0))});
    BilanRachat b = racheter(d.offres.at(j["offre"].get<std::size_t>() - 1), j["pret"].get<std::size_t>() - 1, r);
    EXPECT_EQ(b.erreur, "") << fichier;
    return {{"Capital du rachat", calc::euros(b.nouveau.capital)}, {"Indemnité", calc::euros(b.indemnite)},
            {"Échéance gardée", calc::euros(b.echeance_gardee)},   {"Échéance du rachat", calc::euros(b.echeance_rachat)},
            {"Coût restant gardé", calc::euros(b.cout_garde)},    {"Coût restant du rachat", calc::euros(b.cout_rachat)},
            {"Gain net", calc::euros(b.gain)},                     {"Rentable après l'échéance", rang(b.rentable_apres)}};
}

}  // namespace

TEST(Evenements, ChaqueDossierEtChaqueRachatContreLaReferenceExacte)
{
    const auto reference = attendu(references / "attendu.txt");
    ASSERT_GE(reference.size(), 15u);
    for (const auto& [fichier, blocs] : reference) {
        SCOPED_TRACE(fichier);
        if (fichier.rfind("rachat-", 0) == 0) {
            ASSERT_EQ(blocs.size(), 1u);
            comparer_a(blocs[0], rachat(fichier));
            continue;
        }
        Dossier d = lire(fichier);
        ASSERT_EQ(d.offres.size(), blocs.size());
        for (std::size_t i = 0; i < blocs.size(); ++i) {
            const OffreBancaire& o = d.offres[i];
            SCOPED_TRACE(o.nom);
            auto c = chiffrer(o, d.situation, d.horizon_annees, annees(o));
            ASSERT_TRUE(c);
            Lignes obtenu;
            totaux(*c, d.horizon_annees, obtenu);
            for (std::size_t p = 0; p < o.prets.size(); ++p)
                pret(o.prets[p], derouler(o.prets[p], o.credit, o.indemnites), "prêt " + std::to_string(p + 1),
                     blocs[i], obtenu);
            comparer_a(blocs[i], obtenu);
        }
    }
}

// A buy-back after a repayment lends what is owed after it, not before; a modulation is the
// decimal typed (+0,7 % of 1 005,00 € is 7,035 €, rounded up); during a deferral no instalment
// exists yet to keep or modulate.
TEST(Evenements, RachatApresRemboursementModulationEtDiffere)
{
    OffreBancaire o{.nom = "A", .prets = {{.capital = 200000, .taux_annuel = 0.03, .nb_echeances = 240}}};
    o.prets[0].evenements = {{.apres_echeance = 24, .montant = 50000}};
    BilanRachat b = racheter(o, 0, {.apres_echeance = 24, .taux_annuel = 0.02, .nb_echeances = 216});
    ASSERT_EQ(b.erreur, "");
    std::int64_t du = centimes(echeancier(o.prets[0])[23].capital_restant_du) - 5'000'000;
    EXPECT_EQ(centimes(b.nouveau.capital), du + centimes(b.indemnite));
    EXPECT_EQ(centimes(b.indemnite), (du * 15 + 500) / 1000);  // six months at 3 % of what is then owed

    Pret capital_constant{.capital = 120600, .taux_annuel = 0.03, .nb_echeances = 120,
                          .amortissement = Amortissement::capital_constant};
    capital_constant.evenements = {{.sorte = SorteEvenement::modulation, .apres_echeance = 12, .pourcentage = 0.7}};
    EXPECT_EQ(derouler(capital_constant).lignes[12].capital_amorti, 1012.04);

    Pret differe{.capital = 100000, .taux_annuel = 0, .nb_echeances = 120, .differe = Differe{24}};
    differe.evenements = {{.apres_echeance = 12, .montant = 20000}};
    EXPECT_EQ(derouler(differe).erreur, "événement 1 : pendant le différé (jusqu'à l'échéance 24), il n'y a pas encore "
                                        "d'échéance à garder ou à moduler : choisissez « réduire l'échéance »");
    differe.evenements[0].reduire = Reduire::echeance;
    EXPECT_EQ(derouler(differe).lignes.back().numero, 120);
}
