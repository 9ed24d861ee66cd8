#include "credit/fichier_dossier.h"

#include "calc/nombres.h"
#include "credit/deroulement.h"
#include "credit/lissage.h"
#include "credit/lecture_json.h"

namespace credit {

double pour_cent(std::optional<double> x)
{
    return calc::centieme(x.value_or(0));
}

Assurance lire_assurance(const Objet& o)
{
    Assurance a;
    a.mensualite = o.nombre("mensualite", 0, capital_maxi, "un montant positif en euros par mois");
    if (a.mensualite)
        return a;
    a.taux = pour_cent(o.nombre("taux", 0, taux_annuel_maxi * 100, "un taux de 0 à 1000 (en %)", true));
    a.base = o.mot<BaseAssurance>("base", {{"capital_initial", BaseAssurance::capital_initial},
                                           {"capital_restant_du", BaseAssurance::capital_restant_du}});
    a.quotite = pour_cent(o.nombre("quotite", 1, 100, "une quotité de 1 à 100 (en %)").value_or(100));
    return a;
}

namespace {

// A PTZ's terms come from its rules; what the file gives besides overrides them.
Pret lire_pret(const Objet& o, int version)
{
    Pret p = version >= 3 ? lire_ptz(o) : Pret{};
    bool requis = !p.ptz;
    if (auto montant = o.nombre("montant", 0.01, capital_maxi, "un montant de 0,01 à 10 000 000 000 euros", requis))
        p.capital = *montant;
    if (auto taux = o.nombre("taux", -99.999, taux_annuel_maxi * 100,
                             "un taux au-dessus de -100 et jusqu'à 1000 (en %)", requis))
        p.taux_annuel = pour_cent(taux);
    if (auto n = o.nombre("nombre_echeances", 1, nb_echeances_maxi, "un nombre entier de 1 à 1200", requis, true))
        p.nb_echeances = static_cast<int>(*n);
    double periodes = o.nombre("periodicite", 1, 12, "12, 4 ou 1", false, true).value_or(12);
    if (periodes != 12 && periodes != 4 && periodes != 1)
        o.refuser("periodicite", "doit être 12, 4 ou 1");
    p.periodes_par_an = static_cast<int>(periodes);
    p.amortissement =
        o.mot<Amortissement>("amortissement", {{"echeances_constantes", Amortissement::echeances_constantes},
                                               {"capital_constant", Amortissement::capital_constant}});
    p.en_debut_de_periode = o.mot<bool>("echeances", {{"fin_de_periode", false}, {"debut_de_periode", true}});
    const Json& assurances = o.cle("assurance");
    if (!assurances.is_null() && !assurances.is_array())
        o.refuser("assurance", "doit être une liste ([ … ])");
    for (std::size_t i = 0; !assurances.is_null() && i < assurances.size(); ++i)
        p.assurances.push_back(lire_assurance(Objet(assurances[i], o.lieu() + ", assurance " + std::to_string(i + 1))));
    if (version < 2)
        return p;
    if (const Json& date = o.cle("date_premiere_echeance"); !date.is_null()) {
        p.premiere_echeance = date.is_string() ? lire_date(date.get<std::string>()) : std::nullopt;
        if (!p.premiere_echeance)
            o.refuser("date_premiere_echeance", "doit être une date écrite AAAA-MM-JJ");
    }
    p.evenements = lire_evenements(o, p.premiere_echeance.has_value());
    if (version >= 3)
        lire_differe_et_paliers(o, p);
    return p;
}

Clause lire_clause(const Objet& o)
{
    const Json& v = o.cle("indemnites");
    if (v.is_object()) {
        Objet clause(v, o.lieu() + ", indemnités");
        return {Clause::Sorte::taux_propre,
                pour_cent(clause.nombre("taux", 0, 100, "un taux de 0 à 100 (en %)", true))};
    }
    return {o.mot<Clause::Sorte>("indemnites", {{"legales", Clause::Sorte::legale}, {"aucune", Clause::Sorte::aucune}}),
            0};
}

Frais lire_frais(const Objet& o)
{
    const Json& v = o.cle("frais");
    if (v.is_null())
        return {};
    Objet f(v, o.lieu() + ", frais");
    const char* positif = "un montant positif en euros";
    return {f.nombre("dossier", 0, capital_maxi, positif).value_or(0),
            f.nombre("courtage", 0, capital_maxi, positif).value_or(0),
            f.nombre("garantie", 0, capital_maxi, positif).value_or(0),
            f.nombre("garantie_restituee", 0, capital_maxi, positif).value_or(0)};
}

Annonce lire_annonce(const Objet& o)
{
    const Json& v = o.cle("annonce");
    if (v.is_null())
        return {};
    Objet a(v, o.lieu() + ", annonce");
    auto taeg = a.nombre("taeg", -99.999, taux_annuel_maxi * 100, "un taux en %");
    return {taeg ? std::optional(calc::centieme(*taeg)) : std::nullopt,
            a.nombre("echeance", 0, capital_maxi, "un montant positif en euros")};
}

// Steps that do not cover the loan, events that cannot happen to it (after its end, above what
// is owed), a smoothing that cannot be: the file is refused.
void verifier_financement(const OffreBancaire& offre, const std::string& lieu)
{
    for (std::size_t i = 0; i < offre.prets.size(); ++i)
        if (auto d = derouler(offre.prets[i], offre.credit, offre.indemnites); !d.erreur.empty())
            throw Refus{lieu + ", prêt " + std::to_string(i + 1) + ", " + d.erreur + "."};
    if (auto f = financer(offre); !f.erreur.empty())
        throw Refus{lieu + ", " + f.erreur + "."};
}

OffreBancaire lire_offre(const Json& json, std::size_t rang, int version)
{
    std::string lieu = "Offre " + std::to_string(rang);
    if (json.is_object() && json.contains("nom") && json["nom"].is_string())
        lieu = "Offre « " + json["nom"].get<std::string>() + " »";
    Objet o(json, lieu);
    OffreBancaire offre;
    const Json& nom = o.cle("nom", true);
    if (!nom.is_string() || nom.get<std::string>().empty())
        o.refuser("nom", "doit être un texte, le nom de la banque");
    offre.nom = nom.get<std::string>();
    offre.credit =
        o.mot<Credit>("credit", {{"immobilier", Credit::immobilier}, {"consommation", Credit::consommation}});
    const Json& prets = o.cle("prets", true);
    if (!prets.is_array() || prets.empty())
        o.refuser("prets", "doit être une liste d'un prêt au moins");
    for (std::size_t i = 0; i < prets.size(); ++i)
        offre.prets.push_back(lire_pret(Objet(prets[i], lieu + ", prêt " + std::to_string(i + 1)), version));
    offre.frais = lire_frais(o);
    offre.indemnites = lire_clause(o);
    offre.annonce = lire_annonce(o);
    if (version >= 3)
        offre.lissage = lire_lissage(o);
    verifier_financement(offre, lieu);
    return offre;
}

Situation lire_situation(const Objet& dossier)
{
    const Json& v = dossier.cle("situation");
    if (v.is_null())
        return {};
    Objet s(v, "Situation");
    auto usure = s.nombre("taux_usure", 0.01, 100, "un taux de 0,01 à 100 (en %)");
    return {s.nombre("revenu_mensuel", 0.01, capital_maxi, "un montant en euros au-dessus de 0"),
            s.nombre("charges_mensuelles", 0, capital_maxi, "un montant positif en euros"),
            usure ? std::optional(calc::centieme(*usure)) : std::nullopt};
}

// The file's kind and version, before anything else is read.
int verifier_en_tete(const Json& json, LectureDossier& lecture)
{
    const char* pas_un_dossier = "Ce fichier n'est pas un dossier Tarvio";
    if (!json.is_object() || !json.contains("format") || json["format"] != "tarvio-dossier")
        throw Refus{std::string(pas_un_dossier) + " : « format » doit valoir \"tarvio-dossier\"."};
    const Json& version = json.contains("version") ? json["version"] : Json();
    if (!version.is_number_integer() || version.get<long long>() < 1)
        throw Refus{std::string(pas_un_dossier) + " : « version » doit être un nombre entier à partir de 1."};
    if (version.get<long long>() > version_dossier) {
        lecture.plus_recent = true;
        throw Refus{"Ce dossier vient d'une version plus récente de Tarvio (version " +
                    std::to_string(version.get<long long>()) + ") : cette version ne sait pas le lire."};
    }
    return static_cast<int>(version.get<long long>());
}

Dossier lire(const Json& json, LectureDossier& lecture)
{
    int version = verifier_en_tete(json, lecture);
    Objet o(json, "Dossier");
    Dossier d;
    d.horizon_annees = static_cast<int>(
        o.nombre("horizon_annees", 1, horizon_maxi_annees, "un nombre entier d'années de 1 à 40", false, true)
            .value_or(8));
    d.situation = lire_situation(o);
    const Json& offres = o.cle("offres", true);
    if (!offres.is_array())
        o.refuser("offres", "doit être une liste ([ … ])");
    for (std::size_t i = 0; i < offres.size(); ++i)
        d.offres.push_back(lire_offre(offres[i], i + 1, version));
    return d;
}

}  // namespace

LectureDossier lire_dossier(std::string_view texte)
{
    LectureDossier lecture;
    try {
        Json json = Json::parse(texte.begin(), texte.end());
        lecture.dossier = lire(json, lecture);
    } catch (const Json::parse_error& e) {
        lecture.erreur = "Ce fichier n'est pas un dossier Tarvio : son texte n'est pas du JSON valable (à l'octet " +
                         std::to_string(e.byte) + ").";
    } catch (const Json::out_of_range&) {  // 1e999: JSON, but no double holds it
        lecture.erreur = "Ce fichier n'est pas un dossier Tarvio : un de ses nombres est trop grand pour être lu.";
    } catch (const Refus& r) {
        lecture.erreur = r.message;
    }
    return lecture;
}

}  // namespace credit
