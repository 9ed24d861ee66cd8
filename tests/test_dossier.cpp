// The dossier file: what is written reads back the same, what a user writes by hand takes
// its defaults, and every wrong file is refused with where and why.
#include "credit/fichier_dossier.h"
#include "credit/ptz.h"

#include <gtest/gtest.h>

using namespace credit;

namespace {

// Every key away from its default.
Dossier complet()
{
    Dossier d;
    d.horizon_annees = 12;
    d.situation = {6200.5, 350, 0.0508};
    OffreBancaire a;
    a.nom = "Banque « A »";
    a.credit = Credit::consommation;
    Pret principal{.capital = 300000.01, .taux_annuel = 0.0345, .nb_echeances = 300, .periodes_par_an = 4};
    principal.amortissement = Amortissement::capital_constant, principal.en_debut_de_periode = true;
    principal.assurances = {{.taux = 0.0034, .base = BaseAssurance::capital_restant_du, .quotite = 0.5},
                            {.mensualite = 21.5}};
    principal.premiere_echeance = Date{std::chrono::year{2027}, std::chrono::January, std::chrono::day{31}};
    principal.evenements = {
        {.apres_echeance = 4, .montant = 20000.5, .reduire = Reduire::echeance, .exoneration = true},
        {.sorte = SorteEvenement::modulation,
         .date = Date{std::chrono::year{2029}, std::chrono::June, std::chrono::day{30}},
         .pourcentage = 12.5},
        {.sorte = SorteEvenement::assurance,
         .apres_echeance = 10,
         .assurances = {{.taux = 0.001, .base = BaseAssurance::capital_restant_du}}},
        {.sorte = SorteEvenement::taux, .apres_echeance = 12, .taux_annuel = 0.029, .frais = 500},
        {.sorte = SorteEvenement::remboursement_total, .apres_echeance = 40}};
    a.prets = {principal, {.capital = 40000, .taux_annuel = 0, .nb_echeances = 1, .periodes_par_an = 1}};
    a.frais = {1000, 450.5, 3200, 2240};
    a.indemnites = {Clause::Sorte::taux_propre, 0.02};
    a.annonce = {0.0417, 1493.84};
    OffreBancaire b;
    b.nom = "Banque B";
    b.prets = {{.capital = 1000, .taux_annuel = -0.005, .nb_echeances = 12}};
    b.indemnites = {Clause::Sorte::aucune, 0};
    OffreBancaire c{.nom = "Financement lissé", .lissage = Lissage{false}};
    Pret paliers{.capital = 20000, .taux_annuel = 0.01, .nb_echeances = 120, .nom = "Paliers"};
    paliers.differe = Differe{12, Differe::Sorte::total};
    paliers.paliers = {{.nb_echeances = 60, .echeance = 150.5}, {.nb_echeances = 48, .taux_annuel = 0.02}};
    Pret ptz = *pret_ptz({250000, 189000, 2, Logement::individuel_neuf});
    ptz.capital = 30000;  // less than its rules propose, without their deferral, unnamed
    ptz.differe.reset();
    ptz.nom.clear();
    c.prets = {{.capital = 160000, .taux_annuel = 0.034, .nb_echeances = 300, .nom = "Principal"}, paliers, ptz};
    d.offres = {a, b, c};
    return d;
}

// Each text refused, with its message, and never taken for a later version's.
void refuses(std::initializer_list<std::pair<std::string, std::string>> cas)
{
    for (const auto& [texte, message] : cas) {
        LectureDossier l = lire_dossier(texte);
        EXPECT_FALSE(l.dossier) << texte;
        EXPECT_EQ(l.erreur, message) << texte;
        EXPECT_FALSE(l.plus_recent);
    }
}

std::string dossier_avec(const std::string& offres)
{
    return R"({"format": "tarvio-dossier", "version": 3, "offres": [)" + offres + "]}";
}

}  // namespace

TEST(FichierDossier, CeQuiEstEcritSeRelitPareil)
{
    const Dossier d = complet();
    std::string texte = ecrire_dossier(d);
    LectureDossier relu = lire_dossier(texte);
    ASSERT_TRUE(relu.dossier) << relu.erreur;
    EXPECT_EQ(*relu.dossier, d);
    EXPECT_EQ(ecrire_dossier(*relu.dossier), texte);
    // Rates in per cent as the decimals typed, not their binary neighbours.
    EXPECT_NE(texte.find("\"taux\": 3.45,"), std::string::npos);
    EXPECT_NE(texte.find("\"quotite\": 50.0"), std::string::npos);

    Dossier vide;
    EXPECT_EQ(lire_dossier(ecrire_dossier(vide)).dossier, vide);
}

TEST(FichierDossier, UneOffreTapeeALaMainPrendSesValeursParDefaut)
{
    LectureDossier l = lire_dossier(dossier_avec(
        R"({"nom": "A", "inconnue": [1, 2], "prets": [{"montant": 1000, "taux": 3, "nombre_echeances": 12}]})"));
    ASSERT_TRUE(l.dossier) << l.erreur;
    Dossier attendu;
    attendu.offres = {{.nom = "A", .prets = {{.capital = 1000, .taux_annuel = 0.03, .nb_echeances = 12}}}};
    EXPECT_EQ(*l.dossier, attendu);
    // Written back, every key is there, defaults included, the missing ones null.
    std::string texte = ecrire_dossier(*l.dossier);
    for (const char* cle :
         {"\"horizon_annees\": 8", "\"revenu_mensuel\": null", "\"credit\": \"immobilier\"", "\"periodicite\": 12",
          "\"amortissement\": \"echeances_constantes\"", "\"echeances\": \"fin_de_periode\"", "\"assurance\": []",
          "\"garantie_restituee\": 0", "\"indemnites\": \"legales\"", "\"taeg\": null", "\"echeance\": null"})
        EXPECT_NE(texte.find(cle), std::string::npos) << cle;
}

TEST(FichierDossier, ChaqueFichierFauxRefuseAvecOuEtPourquoi)
{
    const std::string pret = R"({"montant": 1000, "taux": 3, "nombre_echeances": 12})";
    auto offre = [&](const std::string& cles) {
        return dossier_avec(R"({"nom": "A", "prets": [)" + pret + "]}, " + R"({"nom": "Banque B", )" + cles + "}");
    };
    auto dans_le_pret = [&](const std::string& cle) {
        return offre(R"("prets": [{"montant": 1000, "taux": 3, "nombre_echeances": 12, )" + cle + "}]");
    };
    const std::string pas_un_dossier = "Ce fichier n'est pas un dossier Tarvio : ";
    // clang-format off
    refuses({
        {"{\"format\": ", pas_un_dossier + "son texte n'est pas du JSON valable (à l'octet 12)."},
        {"", pas_un_dossier + "son texte n'est pas du JSON valable (à l'octet 1)."},
        {R"({"format": "tarvio-dossier", "version": 1, "offres": [], "horizon_annees": 8e8888})",
         pas_un_dossier + "un de ses nombres est trop grand pour être lu."},
        {R"({"format": "autre", "version": 1, "offres": []})", pas_un_dossier + "« format » doit valoir \"tarvio-dossier\"."},
        {"[1]", pas_un_dossier + "« format » doit valoir \"tarvio-dossier\"."},
        {R"({"format": "tarvio-dossier", "version": "1", "offres": []})",
         pas_un_dossier + "« version » doit être un nombre entier à partir de 1."},
        {R"({"format": "tarvio-dossier", "version": 1})", "Dossier : « offres » manque."},
        {R"({"format": "tarvio-dossier", "version": 1, "offres": [], "horizon_annees": 41})",
         "Dossier : « horizon_annees » doit être un nombre entier d'années de 1 à 40."},
        {R"({"format": "tarvio-dossier", "version": 1, "offres": [], "situation": {"revenu_mensuel": 0}})",
         "Situation : « revenu_mensuel » doit être un montant en euros au-dessus de 0."},
        {dossier_avec("{}"), "Offre 1 : « nom » manque."},
        {dossier_avec("3"), "Offre 1 : un objet JSON est attendu ({ … })."},
        {offre(R"("prets": [])"), "Offre « Banque B » : « prets » doit être une liste d'un prêt au moins."},
        {offre(R"("prets": [{"montant": 1000, "taux": "3,45", "nombre_echeances": 12}])"),
         "Offre « Banque B », prêt 1 : « taux » doit être un nombre."},
        {offre(R"("prets": [{"montant": 1000, "nombre_echeances": 12}])"), "Offre « Banque B », prêt 1 : « taux » manque."},
        {dans_le_pret(R"("nombre_echeances": 12.5)"),
         "Offre « Banque B », prêt 1 : « nombre_echeances » doit être un nombre entier de 1 à 1200."},
        {dans_le_pret(R"("periodicite": 6)"), "Offre « Banque B », prêt 1 : « periodicite » doit être 12, 4 ou 1."},
        {dans_le_pret(R"("amortissement": "lineaire")"),
         "Offre « Banque B », prêt 1 : « amortissement » doit valoir \"echeances_constantes\", \"capital_constant\"."},
        {dans_le_pret(R"("assurance": [{"taux": 0.3}, {"taux": 0.3, "quotite": 0}])"),
         "Offre « Banque B », prêt 1, assurance 2 : « quotite » doit être une quotité de 1 à 100 (en %)."},
        {dans_le_pret(R"("assurance": {"taux": 0.3})"), "Offre « Banque B », prêt 1 : « assurance » doit être une liste ([ … ])."},
        {offre(R"("prets": [)" + pret + R"(], "frais": {"dossier": -1})"),
         "Offre « Banque B », frais : « dossier » doit être un montant positif en euros."},
        {offre(R"("prets": [)" + pret + R"(], "indemnites": "maximales")"),
         "Offre « Banque B » : « indemnites » doit valoir \"legales\", \"aucune\"."},
        {offre(R"("prets": [)" + pret + R"(], "indemnites": {"taux": 101})"),
         "Offre « Banque B », indemnités : « taux » doit être un taux de 0 à 100 (en %)."},
        {offre(R"("prets": [)" + pret + R"(], "credit": "professionnel")"),
         "Offre « Banque B » : « credit » doit valoir \"immobilier\", \"consommation\"."}});
    // clang-format on
    LectureDossier futur = lire_dossier(R"({"format": "tarvio-dossier", "version": 4, "offres": []})");
    EXPECT_FALSE(futur.dossier);
    EXPECT_TRUE(futur.plus_recent);
    EXPECT_EQ(futur.erreur,
              "Ce dossier vient d'une version plus récente de Tarvio (version 4) : cette version ne sait pas le lire.");
}

// Events are read from version 2 on (a version 1 file's unknown keys stay ignored), and one that
// cannot happen to its loan is refused, naming the offer, the loan and the event.
TEST(FichierDossier, UnEvenementImpossibleEstRefuseNommeAvecSonPret)
{
    const std::string pret = R"({"nom": "Banque B", "prets": [{"montant": 1000, "taux": 3, "nombre_echeances": 12, )";
    auto avec = [&](const std::string& cles) { return dossier_avec(pret + cles + "}]}"); };
    const std::string lieu = "Offre « Banque B », prêt 1, événement ";
    // clang-format off
    refuses({
        {avec(R"("evenements": [{"type": "remboursement_total"}])"), lieu + "1 : « apres_echeance » manque."},
        {avec(R"("evenements": [{"apres_echeance": 3, "type": "rachat"}])"),
         lieu + "1 : « type » doit valoir \"remboursement_partiel\", \"remboursement_total\", \"modulation\", \"assurance\", \"taux\"."},
        {avec(R"("evenements": [{"date": "2027-03-05", "type": "remboursement_total"}])"),
         lieu + "1 : « date » demande la date de la première échéance du prêt (« date_premiere_echeance »)."},
        {avec(R"("date_premiere_echeance": "2027-02-30")"),
         "Offre « Banque B », prêt 1 : « date_premiere_echeance » doit être une date écrite AAAA-MM-JJ."},
        {avec(R"("evenements": [{"apres_echeance": 6, "type": "remboursement_partiel", "montant": 600}])"),
         lieu + "1 : le montant remboursé (600,00 €) dépasse le capital restant dû après l'échéance 6 (503,77 €)."},
        {avec(R"("evenements": [{"apres_echeance": 12, "type": "taux", "taux": 2}])"),
         lieu + "1 : la dernière échéance du prêt est la 12e : plus rien n'est dû après l'échéance 12."},
        {avec(R"("evenements": [{"apres_echeance": 2, "type": "modulation", "pourcentage": 5},
                                {"apres_echeance": 2, "type": "modulation", "pourcentage": 5}])"),
         lieu + "2 : un autre événement du même type suit déjà l'échéance 2."},
        {avec(R"("date_premiere_echeance": "2027-02-05", "evenements": [{"date": "2027-02-04", "type": "remboursement_total"}])"),
         lieu + "1 : sa date (04/02/2027) précède la première échéance (05/02/2027)."},
        {avec(R"("evenements": [{"apres_echeance": 5, "type": "modulation", "pourcentage": 5},
                                {"apres_echeance": 3, "type": "remboursement_total"}])"),
         lieu + "1 : il suit le remboursement total du prêt."},
        {avec(R"("evenements": [{"apres_echeance": 2, "type": "remboursement_partiel", "montant": 100, "exoneration": "oui"}])"),
         lieu + "1 : « exoneration » doit valoir true ou false."}});
    // clang-format on
    std::string ancien = avec(R"("evenements": "plus tard")");
    ancien.replace(ancien.find("\"version\": 3"), 12, "\"version\": 1");
    LectureDossier l = lire_dossier(ancien);
    ASSERT_TRUE(l.dossier) << l.erreur;
    EXPECT_TRUE(l.dossier->offres[0].prets[0].evenements.empty());
}

// A financing's refusals, each naming the offer, the loan and what is wrong; a version 2 file's
// steps are unknown keys, ignored as they were.
TEST(FichierDossier, UnFinancementImpossibleEstRefuseNommeAvecSonPret)
{
    const std::string pret = R"({"nom": "Banque B", "prets": [{"montant": 30000, "taux": 3, "nombre_echeances": 180, )";
    auto avec = [&](const std::string& cles) { return dossier_avec(pret + cles + "}]}"); };
    const std::string lieu = "Offre « Banque B », prêt 1";
    // clang-format off
    refuses({
        {avec(R"("paliers": [{"nombre_echeances": 60}, {"nombre_echeances": 60}])"),
         lieu + ", les paliers couvrent 120 échéances, le prêt en compte 180."},
        {avec(R"("differe": {"nombre_echeances": 180, "type": "total"})"),
         lieu + ", le différé (180 échéances) doit être plus court que le prêt (180 échéances)."},
        {avec(R"("paliers": [{"nombre_echeances": 60, "echeance": 50}, {"nombre_echeances": 120}])"),
         lieu + ", palier 1 : son échéance de 50,00 € ne couvre pas les intérêts de l'échéance 1."},
        {avec(R"("differe": {"nombre_echeances": 12, "type": "aucun"})"),
         lieu + ", différé : « type » doit valoir \"partiel\", \"total\"."},
        {dossier_avec(R"({"nom": "Banque B", "prets": [{"ptz": {"cout_operation": 250000, "plafond": 189000, "tranche": 5}}]})"),
         lieu + ", ptz : « tranche » doit être 1, 2, 3 ou 4."},
        {dossier_avec(R"({"nom": "Banque B", "lissage": {}, "prets": [{"montant": 1000, "taux": 3, "nombre_echeances": 24},
                        {"montant": 90000, "taux": 3, "nombre_echeances": 12}]})"),
         "Offre « Banque B », prêt 1 : le versement lissé ne couvre pas les intérêts de l'échéance 1 : les autres prêts "
         "coûtent trop ce mois-là."}});
    // clang-format on
    std::string v2 = avec(R"("paliers": "plus tard")");
    v2.replace(v2.find("\"version\": 3"), 12, "\"version\": 2");
    ASSERT_TRUE(lire_dossier(v2).dossier);
}
