#include "credit/rachat.h"

#include "credit/argent.h"
#include "credit/deroulement.h"

namespace credit {
namespace {

std::int64_t cout_de_la_ligne(const std::vector<Ligne>& lignes, std::size_t j)
{
    return j < lignes.size() ? centimes(lignes[j].interets) + centimes(lignes[j].assurance) : 0;
}

std::int64_t cout_a_partir_de(const std::vector<Ligne>& lignes, std::size_t debut)
{
    std::int64_t cout = 0;
    for (std::size_t j = debut; j < lignes.size(); ++j)
        cout += cout_de_la_ligne(lignes, j);
    return cout;
}

}  // namespace

BilanRachat racheter(const OffreBancaire& offre, std::size_t i, const Rachat& r)
{
    BilanRachat b;
    if (i >= offre.prets.size())
        return {.erreur = "ce prêt n'existe pas"};
    const Pret& pret = offre.prets[i];
    Deroulement jusque_la = derouler(pret, offre.credit, offre.indemnites, r.apres_echeance);
    Deroulement garde = derouler(pret, offre.credit, offre.indemnites);
    auto k = static_cast<std::size_t>(r.apres_echeance);
    if (!garde.erreur.empty())
        return {.erreur = garde.erreur};
    if (r.apres_echeance < 1 || k >= garde.lignes.size() || k > jusque_la.lignes.size())
        return {.erreur = "rien n'est plus dû après l'échéance " + std::to_string(r.apres_echeance)};
    std::int64_t indemnite = jusque_la.indemnite_finale, frais = centimes(r.frais);
    b.nouveau = {.capital = en_euros(centimes(jusque_la.lignes[k - 1].capital_restant_du) + indemnite + frais),
                 .taux_annuel = r.taux_annuel,
                 .nb_echeances = r.nb_echeances,
                 .assurances = r.assurances};
    std::vector<Ligne> nouvelles = echeancier(b.nouveau);
    if (nouvelles.empty())
        return {.erreur = "le nouveau prêt n'a pas d'échéancier : taux ou durée hors des bornes"};
    b.indemnite = en_euros(indemnite);
    b.echeance_gardee = en_euros(centimes(garde.lignes[k].echeance) + centimes(garde.lignes[k].assurance));
    b.echeance_rachat = en_euros(centimes(nouvelles[0].echeance) + centimes(nouvelles[0].assurance));
    std::int64_t cout_garde = cout_a_partir_de(garde.lignes, k);
    std::int64_t cout_rachat = cout_a_partir_de(nouvelles, 0) + indemnite + frais;
    b.cout_garde = en_euros(cout_garde), b.cout_rachat = en_euros(cout_rachat);
    b.gain = en_euros(cout_garde - cout_rachat);
    std::int64_t economie = 0;
    for (std::size_t j = 0; j < std::max(nouvelles.size(), garde.lignes.size() - k) && !b.rentable_apres; ++j) {
        economie += cout_de_la_ligne(garde.lignes, k + j) - cout_de_la_ligne(nouvelles, j);
        if (economie >= indemnite + frais)
            b.rentable_apres = static_cast<int>(j) + 1;
    }
    return b;
}

}  // namespace credit
