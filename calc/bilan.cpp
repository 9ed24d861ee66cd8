#include "bilan.h"

#include "nombres.h"

#include <algorithm>
#include <cmath>

namespace calc {
namespace {

long long centimes(double euros)
{
    return std::llround(euros * 100);
}

// Adds up to the cent: the lines hold whole cents, their double sum need not.
template <typename F>
double somme(const std::vector<Ligne>& lignes, F montant)
{
    long long total = 0;
    for (const Ligne& l : lignes)
        total += centimes(montant(l));
    return total / 100.0;
}

std::optional<double> endettement(const Offre& offre, const std::vector<Ligne>& lignes)
{
    if (!offre.revenu_mensuel || lignes.empty())
        return std::nullopt;
    double plus_forte = 0;
    for (const Ligne& l : lignes)
        plus_forte = std::max(plus_forte, l.echeance + l.assurance);
    return plus_forte * offre.pret.periodes_par_an / 12 / *offre.revenu_mensuel;
}

std::vector<std::string> alertes(const Offre& offre, const Bilan& b)
{
    std::vector<std::string> a;
    if (!b.taeg)
        a.push_back("Le TAEG ne peut pas être calculé pour ce prêt.");
    if (b.endettement && *b.endettement > endettement_maxi)
        a.push_back("Taux d'endettement de " + pour_cent(*b.endettement) +
                    " : au-delà des 35 % que le HCSF demande aux banques de respecter.");
    double annees = double(offre.pret.nb_echeances) / offre.pret.periodes_par_an;
    if (annees > annees_maxi)
        a.push_back("Durée de " + texte_general(std::round(annees * 100) / 100) +
                    " ans : au-delà des 25 ans que le HCSF demande aux banques de respecter (27 ans avec un "
                    "différé, pour un logement neuf ou des travaux).");
    if (b.taeg && offre.taux_usure && *b.taeg > *offre.taux_usure)
        a.push_back("TAEG de " + pour_cent(*b.taeg, 3) + ", au-dessus du taux d'usure saisi (" +
                    pour_cent(*offre.taux_usure) + ") : la loi interdit de prêter à ce taux.");
    return a;
}

}  // namespace

Bilan etablir_bilan(const Offre& offre)
{
    Bilan b;
    b.lignes = echeancier(offre.pret);
    b.interets = somme(b.lignes, [](const Ligne& l) { return l.interets; });
    b.assurance = somme(b.lignes, [](const Ligne& l) { return l.assurance; });
    b.frais = centimes(offre.pret.frais) / 100.0;
    b.cout_total = (centimes(b.interets) + centimes(b.assurance) + centimes(b.frais)) / 100.0;
    b.taeg = taeg(offre.pret, b.lignes);
    if (auto sans = taeg(offre.pret, b.lignes, false); b.taeg && sans)
        b.taea = *b.taeg - *sans;
    b.endettement = endettement(offre, b.lignes);
    b.alertes = alertes(offre, b);
    return b;
}

std::vector<Total> totaux(const Bilan& b)
{
    auto taux = [](std::optional<double> x) { return x ? pour_cent(*x) : std::string("—"); };
    return {{"Total des intérêts", euros(b.interets)},
            {"Total de l'assurance", euros(b.assurance)},
            {"Frais", euros(b.frais)},
            {"Coût total du crédit", euros(b.cout_total)},
            {"TAEG", taux(b.taeg)},
            {"TAEA (part de l'assurance)", taux(b.taea)},
            {"Taux d'endettement", b.endettement ? pour_cent(*b.endettement) : "revenu non saisi"}};
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

double montant_colonne(const Ligne& l, std::size_t colonne)
{
    switch (colonne) {
    case 1: return l.echeance;
    case 2: return l.interets;
    case 3: return l.capital_amorti;
    case 4: return l.assurance;
    case 5: return l.echeance + l.assurance;
    default: return l.capital_restant_du;
    }
}

std::string texte_csv(const std::vector<Ligne>& lignes)
{
    const Motif decimal("0.00");  // no digit groups: spreadsheets read them as text
    std::string csv = "\xEF\xBB\xBF";
    for (const char* titre : colonnes)
        csv += titre + std::string(titre == colonnes.back() ? "\r\n" : ";");
    for (const Ligne& l : lignes) {
        csv += std::to_string(l.numero);
        for (std::size_t c = 1; c < colonnes.size(); ++c)
            csv += ";" + decimal(montant_colonne(l, c));
        csv += "\r\n";
    }
    return csv;
}

}  // namespace calc
