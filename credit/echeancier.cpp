#include "credit/echeancier.h"

#include "credit/argent.h"
#include "credit/conditions.h"
#include "credit/deroulement.h"

namespace credit {

std::vector<Ligne> echeancier(const Pret& pret)
{
    return contrat(pret).lignes;
}

std::optional<double> taeg(const Pret& pret)
{
    return taeg(pret, echeancier(pret));
}

void ajouter_flux(std::vector<Flux>& flux, const Pret& pret, const std::vector<Ligne>& lignes, bool avec_assurance)
{
    int decalage = pret.en_debut_de_periode ? 1 : 0;
    for (const Ligne& l : lignes)
        flux.push_back({static_cast<double>(l.numero - decalage) / pret.periodes_par_an,
                        -(l.echeance + (avec_assurance ? l.assurance : 0))});
}

std::optional<double> taeg(const Pret& pret, const std::vector<Ligne>& lignes, bool avec_assurance)
{
    auto c = conditions(pret);
    if (!c || lignes.empty())
        return std::nullopt;
    std::vector<Flux> flux{{0, en_euros(c->capital - c->frais)}};
    ajouter_flux(flux, pret, lignes, avec_assurance);
    return taux_actuariel(flux);
}

}  // namespace credit
