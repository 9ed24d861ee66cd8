#include "echeancier_imprime.h"

#include "nombres.h"

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

std::vector<std::string> description(const calc::Offre& offre)
{
    const calc::Pret& p = offre.pret;
    bool constantes = p.amortissement == calc::Amortissement::echeances_constantes;
    bool restant = p.base_assurance == calc::BaseAssurance::capital_restant_du;
    return {
        "Montant emprunté : " + calc::euros(p.capital),
        "Taux nominal : " + calc::pour_cent(p.taux_annuel) + " par an",
        "Durée : " + std::to_string(p.nb_echeances) + " " + periode(p.periodes_par_an) + ", " +
            (p.en_debut_de_periode ? "en début" : "en fin") + " de période",
        std::string("Amortissement : ") + (constantes ? "échéances constantes" : "capital constant"),
        "Assurance : " + calc::pour_cent(p.taux_assurance) + " par an " +
            (restant ? "du capital restant dû" : "du capital initial"),
    };
}

}  // namespace

Document echeancier(const calc::Offre& offre, const calc::Bilan& bilan, const std::string& date)
{
    Document d;
    d.titre = "Tableau d'amortissement du " + date;
    d.avant = description(offre);
    for (const calc::Total& t : calc::totaux(bilan))
        d.avant.push_back(t.legende + " : " + t.texte);
    d.en_tetes.assign(calc::colonnes.begin(), calc::colonnes.end());
    for (const calc::Ligne& l : bilan.lignes) {
        std::vector<std::string> cellules = {std::to_string(l.numero)};
        for (std::size_t c = 1; c < calc::colonnes.size(); ++c)
            cellules.push_back(calc::montant(calc::montant_colonne(l, c)));
        d.lignes.push_back(std::move(cellules));
    }
    d.apres = bilan.alertes;
    return d;
}

}  // namespace rapport
