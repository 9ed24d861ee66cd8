#include "credit/bilan.h"

#include "calc/motif.h"
#include "calc/nombres.h"
#include "credit/argent.h"

#include "credit/plan_evenements.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace credit {
namespace {

// Adds up to the cent: the lines hold whole cents, their double sum need not.
template <typename F>
double somme(const std::vector<Ligne>& lignes, F montant)
{
    std::int64_t total = 0;
    for (const Ligne& l : lignes)
        total += centimes(montant(l));
    return en_euros(total);
}

double plus_forte_echeance(const std::vector<Ligne>& lignes)
{
    double plus_forte = 0;
    for (const Ligne& l : lignes)
        plus_forte = std::max(plus_forte, l.echeance + l.assurance);
    return plus_forte;
}

std::optional<double> endettement(const Offre& offre, const std::vector<Ligne>& lignes)
{
    if (!offre.revenu_mensuel || lignes.empty())
        return std::nullopt;
    return plus_forte_echeance(lignes) * offre.pret.periodes_par_an / 12 / *offre.revenu_mensuel;
}

// Compared in cents, so that a ratio of exactly 35 % is within the rule.
bool endettement_excessif(const Offre& offre, const std::vector<Ligne>& lignes)
{
    if (!offre.revenu_mensuel || lignes.empty())
        return false;
    Entier par_an = Entier(centimes(plus_forte_echeance(lignes))) * offre.pret.periodes_par_an;
    return 100 * par_an > Entier(endettement_maxi_pour_cent) * 12 * centimes(*offre.revenu_mensuel);
}

}  // namespace

std::vector<std::string> alertes(const Regles& r)
{
    std::vector<std::string> a;
    if (!r.taeg)
        a.push_back(std::string("Le TAEG ne peut pas être calculé pour ") + r.quoi + ".");
    if (r.endettement && r.endettement_excessif)
        a.push_back("Taux d'endettement de " + calc::pour_cent(*r.endettement) +
                    " : au-delà des 35 % que le HCSF demande aux banques de respecter.");
    if (r.annees > duree_maxi_annees)
        a.push_back("Durée de " + calc::texte_general(std::round(r.annees * 100) / 100) +
                    " ans : au-delà des 25 ans que le HCSF demande aux banques de respecter (27 ans avec un "
                    "différé, pour un logement neuf ou des travaux).");
    if (r.taeg && r.taux_usure && *r.taeg > *r.taux_usure)
        a.push_back("TAEG de " + calc::pour_cent(*r.taeg, 3) + ", au-dessus du taux d'usure saisi (" +
                    calc::pour_cent(*r.taux_usure) + ") : la loi interdit de prêter à ce taux.");
    return a;
}

namespace {

std::optional<AvecEvenements> avec_evenements(const Offre& offre, const Bilan& contrat)
{
    if (offre.pret.evenements.empty())
        return std::nullopt;
    Deroulement d = derouler(offre.pret);
    AvecEvenements a{d.lignes, d.evenements, {}, d.avertissements};
    for (const EvenementApplique& e : a.appliques) {
        const Evenement& ev = offre.pret.evenements[e.indice];
        a.descriptions.push_back(decrire(ev));
        if (ev.sorte == SorteEvenement::taux || ev.sorte == SorteEvenement::assurance)
            a.rentabilites.push_back(en_phrase(nommer(e.indice) + (e.rentable_apres ? "rentable après l'échéance " +
                                                                                         std::to_string(*e.rentable_apres)
                                                                                   : "jamais rentable")));
    }
    a.interets = somme(a.lignes, [](const Ligne& l) { return l.interets; });
    a.assurance = somme(a.lignes, [](const Ligne& l) { return l.assurance; });
    std::int64_t cout = 0;
    for (const EvenementApplique& e : a.appliques)
        cout += e.indemnite + e.frais;
    a.indemnites_et_frais = en_euros(cout);
    a.cout_total = en_euros(centimes(a.interets) + centimes(a.assurance) + centimes(contrat.frais) + cout);
    a.gain = en_euros(centimes(contrat.cout_total) - centimes(a.cout_total));
    return a;
}

}  // namespace

Bilan etablir_bilan(const Offre& offre)
{
    Bilan b;
    b.lignes = echeancier(offre.pret);
    b.interets = somme(b.lignes, [](const Ligne& l) { return l.interets; });
    b.assurance = somme(b.lignes, [](const Ligne& l) { return l.assurance; });
    b.frais = en_euros(centimes(offre.pret.frais));
    b.cout_total = en_euros(centimes(b.interets) + centimes(b.assurance) + centimes(b.frais));
    b.taeg = taeg(offre.pret, b.lignes);
    if (auto sans = taeg(offre.pret, b.lignes, false); b.taeg && sans)
        b.taea = *b.taeg - *sans;
    b.endettement = endettement(offre, b.lignes);
    b.alertes = alertes({.taeg = b.taeg,
                         .endettement = b.endettement,
                         .endettement_excessif = endettement_excessif(offre, b.lignes),
                         .annees = double(offre.pret.nb_echeances) / offre.pret.periodes_par_an,
                         .taux_usure = offre.taux_usure,
                         .quoi = "ce prêt"});
    b.evenements = avec_evenements(offre, b);
    return b;
}

std::vector<Total> totaux_avec_evenements(const Bilan& b)
{
    if (!b.evenements)
        return {};
    const AvecEvenements& a = *b.evenements;
    return {{"evenements_interets", "Total des intérêts", calc::euros(a.interets)},
            {"evenements_assurance", "Total de l'assurance", calc::euros(a.assurance)},
            {"evenements_indemnites", "Indemnités et frais des événements", calc::euros(a.indemnites_et_frais)},
            {"evenements_cout_total", "Coût total du crédit", calc::euros(a.cout_total)},
            {"gain_net", "Gain net des événements", calc::euros(a.gain)}};
}

std::vector<Total> totaux(const Bilan& b)
{
    auto taux = [](std::optional<double> x) { return x ? calc::pour_cent(*x) : std::string("—"); };
    return {
        {"total_interets", "Total des intérêts", calc::euros(b.interets)},
        {"total_assurance", "Total de l'assurance", calc::euros(b.assurance)},
        {"total_frais", "Frais", calc::euros(b.frais)},
        {"cout_total", "Coût total du crédit", calc::euros(b.cout_total)},
        {"taeg", "TAEG", taux(b.taeg)},
        {"taea", "TAEA (part de l'assurance)", taux(b.taea)},
        {"endettement", "Taux d'endettement", b.endettement ? calc::pour_cent(*b.endettement) : "revenu non saisi"}};
}

std::vector<Annee> par_annee(const std::vector<Ligne>& lignes, int periodes_par_an, std::optional<Date> premiere)
{
    std::vector<Annee> annees;
    for (const Ligne& l : lignes) {
        int annee = premiere ? int(date_de_ligne(*premiere, l.numero, periodes_par_an).year())
                             : (l.numero - 1) / std::max(1, periodes_par_an) + 1;
        if (annees.empty() || annees.back().annee != annee)
            annees.push_back({annee, 0, 0, 0, 0});
        Annee& a = annees.back();
        a.capital += l.capital_amorti;
        a.interets += l.interets;
        a.assurance += l.assurance;
        a.capital_restant_du = l.capital_restant_du;
    }
    return annees;
}

std::string champ_csv(const std::string& texte)
{
    if (texte.find_first_of(";\"\r\n") == std::string::npos)
        return texte;
    std::string cite = "\"";
    for (char c : texte)
        cite += c == '"' ? std::string("\"\"") : std::string(1, c);
    return cite + "\"";
}

namespace {

const calc::Motif decimal("0.00");  // no digit groups: spreadsheets read them as text

std::string euros_csv(std::int64_t centimes)
{
    return decimal(en_euros(centimes));
}

// Each event and what it cost, then the totals side by side.
std::string evenements_csv(const Bilan& b)
{
    const AvecEvenements& a = *b.evenements;
    std::string csv = "\r\nÉvénement;Remboursé;Indemnité;Frais;Rentable après l'échéance\r\n";
    for (std::size_t i = 0; i < a.appliques.size(); ++i) {
        const EvenementApplique& e = a.appliques[i];
        csv += champ_csv(a.descriptions[i]) + ";" + euros_csv(e.rembourse) + ";" + euros_csv(e.indemnite) + ";" +
               euros_csv(e.frais) + ";" + (e.rentable_apres ? std::to_string(*e.rentable_apres) : "") + "\r\n";
    }
    csv += "\r\n;Contrat;Avec les événements\r\n";
    for (auto [titre, contrat, avec] : {std::tuple{"Total des intérêts", b.interets, a.interets},
                                        {"Total de l'assurance", b.assurance, a.assurance},
                                        {"Indemnités et frais des événements", 0.0, a.indemnites_et_frais},
                                        {"Coût total du crédit", b.cout_total, a.cout_total}})
        csv += std::string(titre) + ";" + decimal(contrat) + ";" + decimal(avec) + "\r\n";
    return csv + "Gain net des événements;;" + decimal(a.gain) + "\r\n";
}

}  // namespace

std::string texte_csv(const Bilan& b)
{
    std::string csv = "\xEF\xBB\xBF";
    auto ligne_csv = [&csv](auto texte) {
        for (const Colonne& c : colonnes)
            csv += texte(c) + (&c == &colonnes.back() ? "\r\n" : ";");
    };
    ligne_csv([](const Colonne& c) { return std::string(c.titre); });
    for (const Ligne& l : b.evenements ? b.evenements->lignes : b.lignes)
        ligne_csv([&](const Colonne& c) { return cellule(l, c, decimal); });
    return b.evenements ? csv + evenements_csv(b) : csv;
}

}  // namespace credit
