#include "credit/fichier_dossier.h"

#include "calc/nombres.h"

#include <nlohmann/json.hpp>

#include <charconv>

namespace credit {
namespace {

using Json = nlohmann::ordered_json;

// The per cent that a fraction reads as: 0.0345 gives 3.45, not 3.4499999999999997.
double en_pour_cent(double fraction)
{
    auto [mantisse, exposant] = calc::decimal_exact(fraction);
    std::string decale = std::to_string(mantisse) + "e" + std::to_string(exposant + 2);
    double x = fraction * 100;
    std::from_chars(decale.data(), decale.data() + decale.size(), x);
    return x;
}

Json nombre_ou_nul(std::optional<double> x, bool pour_cent = false)
{
    return x ? Json(pour_cent ? en_pour_cent(*x) : *x) : Json();
}

Json ecrire(const Assurance& a)
{
    if (a.mensualite)
        return {{"mensualite", *a.mensualite}};
    return {{"taux", en_pour_cent(a.taux)},
            {"base", a.base == BaseAssurance::capital_initial ? "capital_initial" : "capital_restant_du"},
            {"quotite", en_pour_cent(a.quotite)}};
}

Json ecrire(const std::vector<Assurance>& liste)
{
    Json assurances = Json::array();
    for (const Assurance& a : liste)
        assurances.push_back(ecrire(a));
    return assurances;
}

// Every key of its type, and its moment as the user gave it: an instalment or a date.
Json ecrire(const Evenement& ev)
{
    Json json = ev.date ? Json{{"date", ecrire_date(*ev.date)}} : Json{{"apres_echeance", ev.apres_echeance}};
    switch (ev.sorte) {
    case SorteEvenement::remboursement_partiel:
        json["type"] = "remboursement_partiel";
        json["montant"] = ev.montant;
        json["reduire"] = ev.reduire == Reduire::duree ? "duree" : "echeance";
        json["exoneration"] = ev.exoneration;
        break;
    case SorteEvenement::remboursement_total:
        json["type"] = "remboursement_total";
        json["exoneration"] = ev.exoneration;
        break;
    case SorteEvenement::modulation:
        json["type"] = "modulation";
        json["pourcentage"] = ev.pourcentage;
        break;
    case SorteEvenement::assurance:
        json["type"] = "assurance";
        json["assurance"] = ecrire(ev.assurances);
        break;
    case SorteEvenement::taux:
        json["type"] = "taux";
        json["taux"] = en_pour_cent(ev.taux_annuel);
        json["frais"] = ev.frais;
        break;
    }
    return json;
}

Json ecrire(const Palier& p)
{
    return {{"nombre_echeances", p.nb_echeances},
            {"taux", p.taux_annuel ? Json(en_pour_cent(*p.taux_annuel)) : Json()},
            {"echeance", nombre_ou_nul(p.echeance)}};
}

Json ecrire(const std::optional<Ptz>& ptz)
{
    if (!ptz)
        return nullptr;
    return {{"cout_operation", ptz->cout_operation},
            {"plafond", ptz->plafond},
            {"tranche", ptz->tranche},
            {"logement", ptz->logement == Logement::collectif_neuf ? "collectif_neuf" : "individuel_neuf"}};
}

Json ecrire(const Pret& p)
{
    Json evenements = Json::array(), paliers = Json::array();
    for (const Evenement& ev : p.evenements)
        evenements.push_back(ecrire(ev));
    for (const Palier& palier : p.paliers)
        paliers.push_back(ecrire(palier));
    Json differe;  // a PTZ without one says so: its rules would propose one
    if (p.ptz && !p.differe)
        differe = {{"nombre_echeances", 0}, {"type", "partiel"}};
    if (p.differe)
        differe = {{"nombre_echeances", p.differe->nb_echeances},
                   {"type", p.differe->sorte == Differe::Sorte::partiel ? "partiel" : "total"}};
    return {{"nom", p.nom},
            {"ptz", ecrire(p.ptz)},
            {"montant", p.capital},
            {"taux", en_pour_cent(p.taux_annuel)},
            {"nombre_echeances", p.nb_echeances},
            {"periodicite", p.periodes_par_an},
            {"amortissement",
             p.amortissement == Amortissement::echeances_constantes ? "echeances_constantes" : "capital_constant"},
            {"echeances", p.en_debut_de_periode ? "debut_de_periode" : "fin_de_periode"},
            {"assurance", ecrire(p.assurances)},
            {"date_premiere_echeance", p.premiere_echeance ? Json(ecrire_date(*p.premiere_echeance)) : Json()},
            {"evenements", evenements},
            {"differe", differe},
            {"paliers", paliers}};
}

Json ecrire(const Clause& c)
{
    switch (c.sorte) {
    case Clause::Sorte::aucune: return "aucune";
    case Clause::Sorte::taux_propre: return {{"taux", en_pour_cent(c.taux)}};
    case Clause::Sorte::legale: break;
    }
    return "legales";
}

Json ecrire(const OffreBancaire& o)
{
    Json prets = Json::array();
    for (const Pret& p : o.prets)
        prets.push_back(ecrire(p));
    return {
        {"nom", o.nom},
        {"credit", o.credit == Credit::immobilier ? "immobilier" : "consommation"},
        {"prets", prets},
        {"frais",
         {{"dossier", o.frais.dossier},
          {"courtage", o.frais.courtage},
          {"garantie", o.frais.garantie},
          {"garantie_restituee", o.frais.garantie_restituee}}},
        {"indemnites", ecrire(o.indemnites)},
        {"annonce", {{"taeg", nombre_ou_nul(o.annonce.taeg, true)}, {"echeance", nombre_ou_nul(o.annonce.echeance)}}},
        {"lissage", o.lissage ? Json{{"avec_assurance", o.lissage->avec_assurance}} : Json()}};
}

}  // namespace

std::string ecrire_dossier(const Dossier& d)
{
    Json offres = Json::array();
    for (const OffreBancaire& o : d.offres)
        offres.push_back(ecrire(o));
    Json json = {{"format", "tarvio-dossier"},
                 {"version", version_dossier},
                 {"horizon_annees", d.horizon_annees},
                 {"situation",
                  {{"revenu_mensuel", nombre_ou_nul(d.situation.revenu_mensuel)},
                   {"charges_mensuelles", nombre_ou_nul(d.situation.charges_mensuelles)},
                   {"taux_usure", nombre_ou_nul(d.situation.taux_usure, true)}}},
                 {"offres", offres}};
    return json.dump(2) + "\n";
}

}  // namespace credit
