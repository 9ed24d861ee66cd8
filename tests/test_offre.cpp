// An offer as typed in the schedule window: reading, totals, rules, exports.
// The published loan: 200 000 € over 25 years at 3 %, insurance 0,30 % of the
// initial capital: 948,42 € + 50,00 € a month; interest 84 527,18 € in all
// (worked in exact fractions, apart from the code).
#include "credit/bilan.h"
#include "credit/offre.h"
#include "report/echeancier_imprime.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace credit;

namespace {

SaisieOffre publiee()
{
    SaisieOffre s;
    s.montant = "200 000";
    s.taux = "3";
    s.nombre = "300";
    s.taux_assurance = "0,30";
    return s;
}

Offre lire(const SaisieOffre& s)
{
    Lecture l = lire_offre(s);
    EXPECT_TRUE(l.offre) << (l.erreurs.empty() ? "" : l.erreurs.front());
    return l.offre.value_or(Offre{});
}

std::string texte(const Bilan& b, const std::string& legende)
{
    for (const Total& t : totaux(b))
        if (t.legende == legende)
            return t.texte;
    return "(absent)";
}

}  // namespace

TEST(LireOffre, TauxLusCommeLesDecimalesTapees)
{
    SaisieOffre s = publiee();
    s.taux = "3,45";
    s.frais_dossier = "500";
    s.frais_courtage = "1\u202f200,50 €";  // as offers print them, units and narrow spaces
    s.taux_usure = "5.08 %";
    s.montant = "200\u00a0000 €";
    Offre o = lire(s);
    EXPECT_EQ(o.pret.taux_annuel, 0.0345);  // 3.45 / 100 would be 0.034500000000000003
    EXPECT_EQ(o.pret.assurances, (std::vector<Assurance>{{.taux = 0.003}}));
    EXPECT_EQ(o.pret.frais, 1700.5);
    EXPECT_EQ(o.taux_usure, 0.0508);
    EXPECT_FALSE(o.revenu_mensuel);
}

// One wrong field among right ones, before or after them: no offer, and that field named.
TEST(LireOffre, UnChampFauxParmiDesJustesAucuneOffre)
{
    using C = std::string SaisieOffre::*;
    // clang-format off
    const std::tuple<C, std::vector<const char*>, const char*> cas[] = {
        {&SaisieOffre::montant, {"abc", "-", "1,2,3", "1e308", "-5000", "0", "0,001", "300 000 $"}, "Montant emprunté"},
        {&SaisieOffre::taux, {"-100", "-250", "1001", "3 €", "3 %%"}, "Taux annuel"},
        {&SaisieOffre::nombre, {"0", "-12", "1201", "12,5", "300 €"}, "Nombre d'échéances"},
        {&SaisieOffre::taux_assurance, {"-1", "x"}, "Taux d'assurance"},
        {&SaisieOffre::frais_dossier, {"abc", "-1"}, "Frais de dossier"},
        {&SaisieOffre::frais_garantie, {"1e11"}, "Frais de garantie"},
        {&SaisieOffre::frais_courtage, {"1,2,3"}, "Frais de courtage"},
        {&SaisieOffre::revenu_mensuel, {"0", "-2000"}, "Revenu net mensuel"},
        {&SaisieOffre::taux_usure, {"101", "0"}, "Taux d'usure"}};
    // clang-format on
    for (const auto& [champ, faux, nom] : cas)
        for (const char* texte : faux) {
            SaisieOffre s = publiee();
            s.frais_dossier = "500", s.frais_garantie = "1 500", s.frais_courtage = "1000";
            s.revenu_mensuel = "4000", s.taux_usure = "5,08";
            s.*champ = texte;
            Lecture l = lire_offre(s);
            EXPECT_FALSE(l.offre) << nom << " " << texte;
            ASSERT_EQ(l.erreurs.size(), 1u) << nom << " " << texte;
            EXPECT_EQ(l.erreurs[0].substr(0, l.erreurs[0].find(" :")), nom);
        }

    // Left empty, a required field is still to fill, not an error.
    SaisieOffre vide = publiee();
    vide.montant = " ", vide.taux = "";
    Lecture l = lire_offre(vide);
    EXPECT_FALSE(l.offre);
    EXPECT_TRUE(l.erreurs.empty());
    EXPECT_EQ(l.a_remplir, (std::vector<std::string>{"Montant emprunté", "Taux annuel"}));

    auto champs = [](const SaisieOffre& s) {
        std::string noms;
        for (const std::string& e : lire_offre(s).erreurs)
            noms += e.substr(0, e.find(" :")) + "|";
        return noms;
    };
    SaisieOffre tout = publiee();
    tout.montant = "x", tout.taux_assurance = "-1", tout.frais_garantie = "abc", tout.revenu_mensuel = "0";
    tout.taux_usure = "101";
    EXPECT_EQ(champs(tout), "Montant emprunté|Taux d'assurance|Frais de garantie|Revenu net mensuel|Taux d'usure|");
    SaisieOffre frais = publiee();
    frais.frais_dossier = "150000", frais.frais_garantie = "50000";
    EXPECT_EQ(champs(frais), "Frais|");  // the borrower would receive nothing
    frais.taux = "x";                    // the amount still read, the fees still weighed against it
    EXPECT_EQ(champs(frais), "Taux annuel|Frais|");
}

TEST(Bilan, PretPublieTotauxTaegEtRegles)
{
    SaisieOffre s = publiee();
    s.frais_dossier = "1000";
    Bilan b = etablir_bilan(lire(s));
    ASSERT_EQ(b.lignes.size(), 300u);
    EXPECT_EQ(b.interets, 84527.18);
    EXPECT_EQ(b.assurance, 15000);
    EXPECT_EQ(b.cout_total, 100527.18);
    EXPECT_EQ(texte(b, "Coût total du crédit"), "100 527,18 €");
    EXPECT_EQ(texte(b, "Taux d'endettement"), "revenu non saisi");
    EXPECT_TRUE(b.alertes.empty());  // 25 years exactly is within the rule

    s.frais_dossier = "";
    Bilan sans_frais = etablir_bilan(lire(s));
    EXPECT_EQ(texte(sans_frais, "TAEG"), "3,53 %");
    EXPECT_EQ(texte(sans_frais, "TAEA (part de l'assurance)"), "0,49 %");
    EXPECT_GT(*b.taeg, *sans_frais.taeg);  // fees count in the TAEG

    s.nombre = "301";
    s.revenu_mensuel = "2840";  // (946,31 + 50) / 2 840 = 35,08 %
    s.taux_usure = "3,5";
    Bilan hors_regles = etablir_bilan(lire(s));
    ASSERT_EQ(hors_regles.alertes.size(), 3u);
    auto commence = [](const std::string& texte, const std::string& debut) { return texte.rfind(debut, 0) == 0; };
    EXPECT_TRUE(commence(hors_regles.alertes[0], "Taux d'endettement de 35,08 % : au-delà des 35 %"));
    EXPECT_TRUE(commence(hors_regles.alertes[1], "Durée de 25,08 ans : au-delà des 25 ans"));
    EXPECT_TRUE(commence(hors_regles.alertes[2], "TAEG de 3,529 %, au-dessus du taux d'usure saisi (3,50 %)"))
        << hors_regles.alertes[2];
}

TEST(Bilan, ParAnneeEtTrimestres)
{
    SaisieOffre s = publiee();
    s.periodes_par_an = 4;
    s.nombre = "10";
    s.taux_assurance = "";
    Offre o = lire(s);
    Bilan b = etablir_bilan(o);
    std::vector<Annee> annees = par_annee(b.lignes, 4);
    ASSERT_EQ(annees.size(), 3u);  // 4 + 4 + 2 quarters
    double capital = 0;
    for (const Annee& a : annees)
        capital += a.capital;
    EXPECT_NEAR(capital, 200000, 1e-6);
    EXPECT_EQ(annees[1].capital_restant_du, b.lignes[7].capital_restant_du);
    EXPECT_EQ(annees.back().capital_restant_du, 0);
    for (std::size_t i = 0; i < b.lignes.size(); ++i)
        EXPECT_EQ(b.lignes[i].numero, static_cast<int>(i) + 1);
    // Dated from 30 November 2027: 1 quarter in 2027, 4 in 2028 and 2029, 1 in 2030.
    std::vector<Annee> civiles = par_annee(b.lignes, 4, lire_date_francaise("30/11/2027"));
    ASSERT_EQ(civiles.size(), 4u);
    EXPECT_EQ(civiles[0].annee, 2027);
    EXPECT_EQ(civiles[0].capital, b.lignes[0].capital_amorti);
    EXPECT_EQ(civiles[3].annee, 2030);
    EXPECT_EQ(date_en_francais(date_de_ligne(*lire_date_francaise("30/11/2027"), 2, 4)), "29/02/2028");
}

// 700 € a month over 2 000 € is 35 % to the cent, within the rule; a quarter's or a year's
// instalment counts for its months. One cent less of income and the alert shows.
TEST(Bilan, EndettementDe35PourCentPilePuisUnCentimeAuDela)
{
    for (auto [periodes, nombre] : {std::pair{12, "12"}, {4, "4"}, {1, "1"}}) {
        SaisieOffre s;
        s.montant = "8400", s.taux = "0", s.nombre = nombre, s.periodes_par_an = periodes;
        s.revenu_mensuel = "2000";
        Bilan b = etablir_bilan(lire(s));
        EXPECT_EQ(texte(b, "Taux d'endettement"), "35,00 %") << periodes;
        EXPECT_TRUE(b.alertes.empty()) << periodes;
        s.revenu_mensuel = "1999,99";
        Bilan au_dela = etablir_bilan(lire(s));
        ASSERT_EQ(au_dela.alertes.size(), 1u) << periodes;
        EXPECT_EQ(au_dela.alertes[0].rfind("Taux d'endettement de 35,00 % : au-delà des 35 %", 0), 0u);
    }
}

TEST(Exports, CsvPourUnTableurEtDocumentImprime)
{
    Offre o = lire(publiee());
    Bilan b = etablir_bilan(o);
    std::string csv = texte_csv(b);
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    std::size_t fin_en_tete = csv.find("\r\n");
    EXPECT_EQ(csv.substr(3, fin_en_tete - 3),
              "N°;Échéance;Intérêts;Capital amorti;Assurance;Échéance avec assurance;Capital restant dû");
    EXPECT_EQ(csv.substr(fin_en_tete + 2, csv.find("\r\n", fin_en_tete + 2) - fin_en_tete - 2),
              "1;948,42;500,00;448,42;50,00;998,42;199551,58");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 301);

    rapport::Document d = rapport::echeancier(o, b, "06/12/2026");
    EXPECT_EQ(d.titre, "Tableau d'amortissement du 06/12/2026");
    ASSERT_EQ(d.lignes.size(), 300u);
    EXPECT_EQ(d.lignes[0],
              (std::vector<std::string>{"1", "948,42", "500,00", "448,42", "50,00", "998,42", "199 551,58"}));
    EXPECT_NE(std::find(d.avant.begin(), d.avant.end(), "TAEG : 3,53 %"), d.avant.end());
    EXPECT_NE(std::find(d.avant.begin(), d.avant.end(), "Assurance : 0,30 % par an du capital initial"), d.avant.end());
}

// With events the CSV and the print carry the lines as the loan will run, each event with its
// penalty and break-even, and the totals beside the contract's; a cell holding a semicolon
// is quoted.
TEST(Exports, AvecDesEvenements)
{
    SaisieOffre s{.montant = "1000", .taux = "3", .nombre = "12"};
    s.evenements = {{.apres_echeance = 6, .montant = 100},
                    {.sorte = SorteEvenement::assurance,
                     .apres_echeance = 6,
                     .assurances = {{.taux = 0.003}, {.taux = 0.003, .quotite = 0.5}}}};
    Offre o = lire(s);
    Bilan b = etablir_bilan(o);
    ASSERT_TRUE(b.evenements);
    std::string csv = texte_csv(b);
    // Six months' interest on 100 € at 3 %: 1,50 €, below 3 % of the 503,77 € owed; 10 % of
    // the capital: warned about.
    for (const char* attendu :
         {"\r\nÉvénement;Remboursé;Indemnité;Frais;Rentable après l'échéance\r\n"
          "après l'échéance 6 : remboursement partiel de 100,00 €, durée réduite;100,00;1,50;0,00;\r\n",
          "\r\n\"après l'échéance 6 : nouvelle assurance : 0,3 % du capital initial ; 0,3 % du capital initial à 50 %\";"
          "0,00;0,00;0,00;\r\n",
          "\r\nIndemnités et frais des événements;0,00;1,50\r\n"})
        EXPECT_NE(csv.find(attendu), std::string::npos) << attendu;
    std::size_t lignes = b.evenements->lignes.size();
    EXPECT_LT(lignes, 12u);
    EXPECT_EQ(csv.find("\r\n" + std::to_string(lignes) + ";"), csv.rfind("\r\n" + std::to_string(lignes) + ";"));

    rapport::Document d = rapport::echeancier(o, b, "07/12/2026");
    EXPECT_EQ(d.lignes.size(), lignes);
    EXPECT_NE(std::find(d.avant.begin(), d.avant.end(), "  Indemnités et frais des événements : 1,50 €"), d.avant.end());
    EXPECT_EQ(d.apres, (std::vector<std::string>{"Événement 1 : un remboursement partiel de 10 % du capital emprunté ou "
                                                  "moins peut être refusé par le contrat."}));
    // The new insurance costs more: it never pays back, which the print says.
    EXPECT_NE(std::find(d.avant.begin(), d.avant.end(), "Événement 2 : jamais rentable."), d.avant.end());
}
