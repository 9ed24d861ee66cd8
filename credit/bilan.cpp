#include "credit/bilan.h"

#include "calc/motif.h"
#include "calc/nombres.h"
#include "credit/argent.h"

#include <algorithm>
#include <cmath>

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
    return b;
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

std::vector<Annee> par_annee(const std::vector<Ligne>& lignes, int periodes_par_an)
{
    std::vector<Annee> annees;
    for (const Ligne& l : lignes) {
        int annee = (l.numero - 1) / std::max(1, periodes_par_an) + 1;
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

std::string texte_csv(const std::vector<Ligne>& lignes)
{
    const calc::Motif decimal("0.00");  // no digit groups: spreadsheets read them as text
    std::string csv = "\xEF\xBB\xBF";
    auto ligne_csv = [&csv](auto texte) {
        for (const Colonne& c : colonnes)
            csv += texte(c) + (&c == &colonnes.back() ? "\r\n" : ";");
    };
    ligne_csv([](const Colonne& c) { return std::string(c.titre); });
    for (const Ligne& l : lignes)
        ligne_csv([&](const Colonne& c) { return cellule(l, c, decimal); });
    return csv;
}

}  // namespace credit
