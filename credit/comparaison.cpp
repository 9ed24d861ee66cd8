#include "credit/comparaison.h"

#include "calc/motif.h"
#include "calc/nombres.h"
#include "credit/bilan.h"

#include <algorithm>
#include <functional>

namespace credit {
namespace {

// A row: how each offer's figures give its value and its text, and whether lower is better.
struct Definition {
    std::string titre;
    std::function<std::optional<double>(const OffreBancaire&, const Chiffres&)> valeur;
    std::function<std::string(std::optional<double>)> texte;
    bool plus_bas_vaut_mieux;
    Rangee::Sorte sorte;
};

std::string euros(std::optional<double> x)
{
    return x ? calc::euros(*x) : "—";
}

std::string taux(std::optional<double> x)
{
    return x ? calc::pour_cent(*x) : "—";
}

template <double Chiffres::*F>
std::optional<double> chiffre(const OffreBancaire&, const Chiffres& c)
{
    return c.*F;
}

std::vector<Definition> definitions(int horizon)
{
    auto mot = [](std::string (*controle)(std::optional<double>)) {
        return [controle](std::optional<double> x) { return controle(x); };
    };
    return {
        {"Montant emprunté", chiffre<&Chiffres::montant>, euros, false, Rangee::Sorte::montant},
        {"Échéance", chiffre<&Chiffres::echeance>, euros, true, Rangee::Sorte::montant},
        {"Échéance avec assurance", chiffre<&Chiffres::echeance_avec_assurance>, euros, true, Rangee::Sorte::montant},
        {"Total des intérêts", chiffre<&Chiffres::interets>, euros, true, Rangee::Sorte::montant},
        {"Total de l'assurance", chiffre<&Chiffres::assurance>, euros, true, Rangee::Sorte::montant},
        {"Frais", chiffre<&Chiffres::frais>, euros, true, Rangee::Sorte::montant},
        {"Coût total du crédit", chiffre<&Chiffres::cout_total>, euros, true, Rangee::Sorte::montant},
        {"Coût net", chiffre<&Chiffres::cout_net>, euros, true, Rangee::Sorte::montant},
        {"Indemnités et frais des événements",
         [](const OffreBancaire&, const Chiffres& c) { return c.cout_evenements; }, euros, false,
         Rangee::Sorte::montant},
        {"Gain net des événements", [](const OffreBancaire&, const Chiffres& c) { return c.gain_evenements; }, euros,
         false, Rangee::Sorte::montant},
        {"TAEG", [](const OffreBancaire&, const Chiffres& c) { return c.taeg; }, taux, true, Rangee::Sorte::taux},
        {"TAEA", [](const OffreBancaire&, const Chiffres& c) { return c.taea; }, taux, true, Rangee::Sorte::taux},
        {"TAEG annoncé", [](const OffreBancaire& o, const Chiffres&) { return o.annonce.taeg; }, taux, false,
         Rangee::Sorte::taux},
        {"Contrôle du TAEG", [](const OffreBancaire&, const Chiffres& c) { return c.ecart_taeg; }, mot(controle_taeg),
         false},
        {"Échéance annoncée", [](const OffreBancaire& o, const Chiffres&) { return o.annonce.echeance; }, euros, false,
         Rangee::Sorte::montant},
        {"Contrôle de l'échéance", [](const OffreBancaire&, const Chiffres& c) { return c.ecart_echeance; },
         mot(controle_echeance), false, Rangee::Sorte::texte},
        {"Coût à " + en_annees(horizon), chiffre<&Chiffres::cout_horizon>, euros, true, Rangee::Sorte::montant},
        {"Indemnités à " + en_annees(horizon), chiffre<&Chiffres::indemnites_horizon>, euros, true,
         Rangee::Sorte::montant},
        {"Taux d'endettement", [](const OffreBancaire&, const Chiffres& c) { return c.endettement; }, taux, true,
         Rangee::Sorte::taux},
    };
}

Rangee rangee(const Definition& def, const Dossier& d, const std::vector<std::optional<Chiffres>>& chiffres)
{
    Rangee r{def.titre, def.sorte, {}, {}, {}};
    std::vector<std::optional<double>> valeurs;
    for (std::size_t i = 0; i < chiffres.size(); ++i)
        valeurs.push_back(chiffres[i] ? def.valeur(d.offres[i], *chiffres[i]) : std::nullopt);
    std::optional<double> plus_basse;
    for (auto v : valeurs)
        if (v && (!plus_basse || *v < *plus_basse))
            plus_basse = v;
    for (auto v : valeurs) {
        r.cellules.push_back(def.texte(v));
        r.plus_basses.push_back(def.plus_bas_vaut_mieux && v && v == plus_basse);
    }
    r.valeurs = std::move(valeurs);
    return r;
}

// Each year the sign of (cost of j - cost of the best) changes, the one that becomes cheaper said.
void croiser(Comparaison& c, std::size_t meilleure)
{
    const std::vector<double>& reference = c.couts[meilleure];
    for (std::size_t j = 0; j < c.couts.size(); ++j) {
        if (j == meilleure || !c.chiffres[j])
            continue;
        for (std::size_t a = 1; a < reference.size(); ++a) {
            bool avant = c.couts[j][a - 1] < reference[a - 1], apres = c.couts[j][a] < reference[a];
            if (avant != apres)
                c.croisements.push_back(c.noms[apres ? j : meilleure] + " devient moins chère que " +
                                        c.noms[apres ? meilleure : j] + " après " + en_annees(static_cast<int>(a) + 1));
        }
    }
}

}  // namespace

std::string texte_csv(const Comparaison& c)
{
    const calc::Motif decimal("0.00");  // no digit groups: spreadsheets read them as text
    auto cellule = [&](const Rangee& r, std::size_t i) -> std::string {
        if (r.sorte == Rangee::Sorte::texte || !r.valeurs[i])
            return r.cellules[i] == "—" ? "" : r.cellules[i];
        return r.sorte == Rangee::Sorte::taux ? decimal(*r.valeurs[i] * 100) + " %" : decimal(*r.valeurs[i]);
    };
    std::string csv = "\xEF\xBB\xBF";
    for (const std::string& nom : c.noms)
        csv += ";" + champ_csv(nom);
    csv += "\r\n";
    for (const Rangee& r : c.rangees) {
        csv += r.titre;
        for (std::size_t i = 0; i < r.cellules.size(); ++i)
            csv += ";" + cellule(r, i);
        csv += "\r\n";
    }
    return csv;
}

std::string en_annees(int annees)
{
    return std::to_string(annees) + (annees == 1 ? " an" : " ans");
}

Comparaison comparer(const Dossier& d)
{
    Comparaison c;
    int duree = 1;
    for (const OffreBancaire& o : d.offres)
        duree = std::max(duree, annees(o));
    for (const OffreBancaire& o : d.offres) {
        c.noms.push_back(o.nom);
        c.chiffres.push_back(chiffrer(o, d.situation, d.horizon_annees, duree));
        c.couts.push_back(c.chiffres.back() ? c.chiffres.back()->cout_par_annee : std::vector<double>());
    }
    for (const Definition& def : definitions(d.horizon_annees))
        c.rangees.push_back(rangee(def, d, c.chiffres));
    std::optional<std::size_t> meilleure;  // the cheapest at the horizon, the first on a tie
    for (std::size_t i = 0; i < c.chiffres.size(); ++i)
        if (c.chiffres[i] && (!meilleure || c.chiffres[i]->cout_horizon < c.chiffres[*meilleure]->cout_horizon))
            meilleure = i;
    if (meilleure)
        croiser(c, *meilleure);
    return c;
}

}  // namespace credit
