// The arithmetic of the largest hypothesis table, of one rate solve, of the
// schedule and TAEG of a long loan, and of a dossier's comparison.
#include "six_offres.h"

#include "calc/annuite.h"
#include "calc/motif.h"
#include "calc/nombres.h"
#include "credit/bilan.h"
#include "credit/comparaison.h"
#include "credit/capacite.h"
#include "credit/chiffres.h"
#include "credit/deroulement.h"
#include "credit/ptz.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// 97 rates (1 % to 25 %) by 239 yearly counts (2 to 240): the largest table.
template <typename Cellule>
void grand_tableau(benchmark::State& etat, Cellule cellule)
{
    for (auto _ : etat) {
        for (int i = 0; i < 97; ++i)
            for (std::int16_t n = 2; n <= 240; ++n)
                cellule(calc::calcul_echeance(calc::Formule::interets_constants, 150000, 0.01 + 0.0025 * i, n, 1)
                            .value_or(0));
    }
    etat.SetItemsProcessed(etat.iterations() * 97 * 239);
}

void BM_TableauCalculSeul(benchmark::State& etat)
{
    grand_tableau(etat, [](double p) { benchmark::DoNotOptimize(p); });
}

void BM_TableauCalculEtFormat(benchmark::State& etat)
{
    std::vector<std::string> textes;
    textes.reserve(97 * 239);
    const calc::Motif euros("### ### ##0.00 €");
    grand_tableau(etat, [&](double p) {
        if (textes.size() == textes.capacity())
            textes.clear();
        textes.push_back(euros(p));
    });
}

void BM_TauxPretOrdinaire(benchmark::State& etat)
{
    for (auto _ : etat)
        benchmark::DoNotOptimize(calc::rate(60, -200, 10000, 0, 0, 0.1));
}

void BM_TauxPretLong(benchmark::State& etat)
{
    for (auto _ : etat)
        benchmark::DoNotOptimize(calc::rate(240, -905.950658, 150000, 0, 0, 0.1));
}

// 480 months with insurance on the capital owed and fees: the schedule window's work on each keystroke.
void BM_EcheancierEtTaeg480(benchmark::State& etat)
{
    credit::Offre offre;
    offre.pret = {.capital = 350000,
                  .taux_annuel = 0.0345,
                  .nb_echeances = 480,
                  .assurances = {{.taux = 0.0036, .base = credit::BaseAssurance::capital_restant_du}},
                  .frais = 2500};
    for (auto _ : etat)
        benchmark::DoNotOptimize(credit::etablir_bilan(offre));
}

// 20 events of every kind on a 480-month loan, with the break-even of each
// rate change and insurance switch: the schedule window's work on each keystroke.
void BM_VingtEvenements480(benchmark::State& etat)
{
    credit::Pret pret{.capital = 350000,
                      .taux_annuel = 0.0345,
                      .nb_echeances = 480,
                      .assurances = {{.taux = 0.0036, .base = credit::BaseAssurance::capital_restant_du}}};
    using S = credit::SorteEvenement;
    for (int i = 0; i < 20; ++i) {
        int apres = 15 * (i + 1);
        switch (i % 5) {
        case 0: pret.evenements.push_back({.apres_echeance = apres, .montant = 4000}); break;
        case 1:
            pret.evenements.push_back({.apres_echeance = apres, .montant = 4000, .reduire = credit::Reduire::echeance});
            break;
        case 2: pret.evenements.push_back({.sorte = S::modulation, .apres_echeance = apres, .pourcentage = -5}); break;
        case 3:
            pret.evenements.push_back({.sorte = S::assurance, .apres_echeance = apres, .assurances = {{.taux = 0.001}}});
            break;
        default:
            pret.evenements.push_back(
                {.sorte = S::taux, .apres_echeance = apres, .taux_annuel = 0.03 - 0.001 * i / 5, .frais = 800});
        }
    }
    if (!credit::derouler(pret).erreur.empty())
        etat.SkipWithError(credit::derouler(pret).erreur.c_str());
    for (auto _ : etat)
        benchmark::DoNotOptimize(credit::derouler(pret));
}

// A whole financing: a smoothed main loan, a deferred PTZ, a loan of steps and a deferred
// loan, every figure of the offer.
void BM_FinancementLisse(benchmark::State& etat)
{
    credit::OffreBancaire o{.nom = "Financement", .lissage = credit::Lissage{true}};
    credit::Pret principal{.capital = 160000, .taux_annuel = 0.034, .nb_echeances = 300};
    principal.assurances = {{.taux = 0.003, .base = credit::BaseAssurance::capital_restant_du}};
    credit::Pret paliers{.capital = 20000, .taux_annuel = 0.01, .nb_echeances = 120};
    paliers.paliers = {{.nb_echeances = 60, .taux_annuel = 0.01}, {.nb_echeances = 60, .taux_annuel = 0.02}};
    credit::Pret differe{.capital = 30000, .taux_annuel = 0.03, .nb_echeances = 180};
    differe.differe = credit::Differe{24, credit::Differe::Sorte::partiel};
    o.prets = {principal, *credit::pret_ptz({250000, 189000, 2, credit::Logement::collectif_neuf}), paliers, differe};
    if (!credit::chiffrer(o, {6200, 0, {}}, 8, 25))
        etat.SkipWithError("pas de chiffres");
    for (auto _ : etat)
        benchmark::DoNotOptimize(credit::chiffrer(o, {6200, 0, {}}, 8, 25));
}

void BM_Capacite(benchmark::State& etat)
{
    credit::DemandeCapacite d{.revenu_mensuel = 5200, .charges_mensuelles = 300, .taux_annuel = 0.035,
                              .nb_echeances = 300, .taux_assurance = 0.003};
    for (auto _ : etat)
        benchmark::DoNotOptimize(credit::capacite(d));
}

// Every figure and the cost curves over 25 years.
void BM_ComparaisonSixOffres(benchmark::State& etat)
{
    const credit::Dossier dossier = six_offres();
    for (auto _ : etat)
        benchmark::DoNotOptimize(credit::comparer(dossier));
}

}  // namespace

BENCHMARK(BM_ComparaisonSixOffres)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FinancementLisse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Capacite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VingtEvenements480)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EcheancierEtTaeg480)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TableauCalculSeul)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableauCalculEtFormat)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TauxPretOrdinaire)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_TauxPretLong)->Repetitions(9)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
