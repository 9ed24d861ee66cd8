#include "credit/rachat.h"

#include "credit/argent.h"
#include "credit/deroulement.h"
#include "credit/lissage.h"

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

// The loan as it runs, and what is owed after line k and its events, with the penalty of repaying it then.
struct Garde {
    std::vector<Ligne> lignes;
    std::int64_t du = 0, indemnite = 0;
    std::string erreur;
};

Garde garder(const OffreBancaire& offre, std::size_t i, int k)
{
    const Pret& pret = offre.prets[i];
    if (offre.lissage && i == 0) {  // smoothed, without events: its lines are the financing's
        Financement f = financer(offre);
        if (!f.erreur.empty())
            return {.erreur = f.erreur};
        Garde g{std::move(f.lignes.front())};
        auto n = static_cast<int>(g.lignes.size());
        if (k < 1 || k >= n)
            return g;
        g.du = centimes(g.lignes[static_cast<std::size_t>(k - 1)].capital_restant_du);
        std::int64_t restants = 0;
        for (auto j = static_cast<std::size_t>(k); j < g.lignes.size(); ++j)
            restants += centimes(g.lignes[j].interets);
        g.indemnite = indemnite(offre.credit, offre.indemnites,
                                {g.du, g.du, pret.taux_annuel, (n - k) * (12 / pret.periodes_par_an), restants});
        return g;
    }
    Deroulement tout = derouler(pret, offre.credit, offre.indemnites);
    if (!tout.erreur.empty())
        return {.erreur = tout.erreur};
    Deroulement jusque_la = derouler(pret, offre.credit, offre.indemnites, k);
    return {std::move(tout.lignes), jusque_la.reste_final, jusque_la.indemnite_finale};
}

}  // namespace

BilanRachat racheter(const OffreBancaire& offre, std::size_t i, const Rachat& r)
{
    BilanRachat b;
    if (i >= offre.prets.size())
        return {.erreur = "ce prêt n'existe pas"};
    Garde garde = garder(offre, i, r.apres_echeance);
    auto k = static_cast<std::size_t>(r.apres_echeance);
    if (!garde.erreur.empty())
        return {.erreur = garde.erreur};
    if (r.apres_echeance < 1 || k >= garde.lignes.size() || garde.du <= 0)
        return {.erreur = "rien n'est plus dû après l'échéance " + std::to_string(r.apres_echeance)};
    std::int64_t indemnite = garde.indemnite, frais = centimes(r.frais);
    b.nouveau = {.capital = en_euros(garde.du + indemnite + frais),
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
