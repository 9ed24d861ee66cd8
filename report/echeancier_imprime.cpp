#include "report/echeancier_imprime.h"

#include "calc/nombres.h"
#include "credit/argent.h"
#include "credit/plan_evenements.h"

namespace rapport {
namespace {

const char* periode(int periodes_par_an)
{
    switch (periodes_par_an) {
    case 12: return "mensualités";
    case 4: return "trimestrialités";
    case 1: return "annuités";
    default: return "échéances";
    }
}

std::string assurance(const credit::Assurance& a)
{
    if (a.mensualite)
        return calc::euros(*a.mensualite) + " par mois";
    bool restant = a.base == credit::BaseAssurance::capital_restant_du;
    return calc::pour_cent(a.taux) + " par an " + (restant ? "du capital restant dû" : "du capital initial") +
           (a.quotite == 1 ? "" : " à " + calc::pour_cent(a.quotite, 0));
}

// Each borrower's cover; none at all reads as a rate of 0.
std::string assurances(const std::vector<credit::Assurance>& liste)
{
    std::string texte;
    for (const credit::Assurance& a : liste)
        texte += (texte.empty() ? "" : " ; ") + assurance(a);
    return texte.empty() ? assurance({}) : texte;
}

std::vector<std::string> description(const credit::Offre& offre)
{
    const credit::Pret& p = offre.pret;
    bool constantes = p.amortissement == credit::Amortissement::echeances_constantes;
    return {
        "Montant emprunté : " + calc::euros(p.capital),
        "Taux nominal : " + calc::pour_cent(p.taux_annuel) + " par an",
        "Durée : " + std::to_string(p.nb_echeances) + " " + periode(p.periodes_par_an) + ", " +
            (p.en_debut_de_periode ? "en début" : "en fin") + " de période",
        std::string("Amortissement : ") + (constantes ? "échéances constantes" : "capital constant"),
        "Assurance : " + assurances(p.assurances),
        "Frais de dossier : " + calc::euros(offre.frais.dossier),
        "Frais de garantie : " + calc::euros(offre.frais.garantie),
        "Frais de courtage : " + calc::euros(offre.frais.courtage),
        "Revenu net mensuel : " + (offre.revenu_mensuel ? calc::euros(*offre.revenu_mensuel) : "non saisi"),
        "Taux d'usure : " + (offre.taux_usure ? calc::pour_cent(*offre.taux_usure) : "non saisi"),
    };
}

// Each event with what it cost, then the totals as the loan will run with them.
std::vector<std::string> evenements(const credit::Bilan& b)
{
    const credit::AvecEvenements& a = *b.evenements;
    std::vector<std::string> texte{"Événements :"};
    for (std::size_t i = 0; i < a.appliques.size(); ++i) {
        const credit::EvenementApplique& e = a.appliques[i];
        texte.push_back("  " + a.descriptions[i] + " (indemnité " + calc::euros(credit::en_euros(e.indemnite)) +
                        ", frais " + calc::euros(credit::en_euros(e.frais)) + ")");
    }
    texte.insert(texte.end(), a.rentabilites.begin(), a.rentabilites.end());
    texte.push_back("Avec les événements :");
    for (const credit::Total& t : credit::totaux_avec_evenements(b))
        texte.push_back("  " + t.legende + " : " + t.texte);
    return texte;
}

}  // namespace

Document echeancier(const credit::Offre& offre, const credit::Bilan& bilan, const std::string& date)
{
    Document d;
    d.titre = "Tableau d'amortissement du " + date;
    d.avant = description(offre);
    if (offre.pret.premiere_echeance)
        d.avant.push_back("Première échéance : " + credit::date_en_francais(*offre.pret.premiere_echeance));
    for (const credit::Total& t : credit::totaux(bilan))
        d.avant.push_back(t.legende + " : " + t.texte);
    if (bilan.evenements)
        for (std::string& ligne : evenements(bilan))
            d.avant.push_back(std::move(ligne));
    for (const credit::Colonne& c : credit::colonnes)
        d.en_tetes.push_back(c.titre);
    for (const credit::Ligne& l : bilan.evenements ? bilan.evenements->lignes : bilan.lignes) {
        std::vector<std::string> cellules;
        for (const credit::Colonne& c : credit::colonnes)
            cellules.push_back(credit::cellule(l, c, calc::montant));
        d.lignes.push_back(std::move(cellules));
    }
    d.apres = bilan.alertes;
    if (bilan.evenements)
        for (const std::string& a : bilan.evenements->avertissements)
            d.apres.push_back(credit::en_phrase(a));
    return d;
}

}  // namespace rapport
