#include "credit/lissage.h"

#include "credit/argent.h"
#include "credit/moteur.h"

#include <array>
#include <cstdlib>

namespace credit {
namespace {

// What the first loan's lines leave owed, and its lines, at an outlay of x cents.
class Lisseur {
public:
    Lisseur(const OffreBancaire& offre, const Conditions& c, std::vector<std::int64_t> autres)
        : offre_(offre), c_(c), autres_(std::move(autres))
    {
    }

    Deroulement lignes(std::int64_t x, bool recherche) const
    {
        Moteur m(offre_.prets.front(), c_, offre_.credit, offre_.indemnites);
        bool avec = offre_.lissage->avec_assurance;
        m.versement = [&](int k, std::int64_t assurance) {
            auto i = static_cast<std::size_t>(k - 1);
            return x - (i < autres_.size() ? autres_[i] : 0) - (avec ? assurance : 0);
        };
        m.sans_solde = recherche;
        return m.executer({}, std::nullopt);
    }

    std::int64_t reste(std::int64_t x) const { return lignes(x, true).reste_final; }

    // The outlay whose balance is nearest 0: a secant from a first guess, then cent by cent.
    std::int64_t versement(std::int64_t estime) const
    {
        std::int64_t r0 = reste(estime), r1 = reste(estime + 10'000);
        std::int64_t x = estime;
        if (r0 != r1)
            x = estime + static_cast<std::int64_t>(static_cast<double>(r0) * 10'000 / static_cast<double>(r0 - r1));
        for (int pas = 0; reste(x) > 0 && pas < 10'000; ++pas)
            ++x;
        for (int pas = 0; reste(x - 1) <= 0 && pas < 10'000; ++pas)
            --x;
        return std::llabs(reste(x - 1)) <= std::llabs(reste(x)) ? x - 1 : x;
    }

private:
    const OffreBancaire& offre_;
    const Conditions& c_;
    std::vector<std::int64_t> autres_;  // what the other loans cost, month by month
};

Financement lisser(const OffreBancaire& offre, Financement f)
{
    const Pret& principal = offre.prets.front();
    for (const Pret& p : offre.prets)
        if (p.periodes_par_an != 12)
            return {.erreur = "le lissage demande des prêts mensuels"};
    if (!principal.evenements.empty())
        return {.erreur = "prêt 1 : un prêt lissé ne prend pas d'événements"};
    auto c = conditions(principal);
    if (!c)
        return {.erreur = "prêt 1 : il n'a pas d'échéancier"};
    std::vector<std::int64_t> autres(static_cast<std::size_t>(principal.nb_echeances));
    for (std::size_t i = 1; i < f.lignes.size(); ++i)
        for (std::size_t m = 0; m < f.lignes[i].size() && m < autres.size(); ++m)
            autres[m] += centimes(f.lignes[i][m].echeance) +
                         (offre.lissage->avec_assurance ? centimes(f.lignes[i][m].assurance) : 0);
    Lisseur lisseur(offre, *c, autres);
    // The plain schedule's first repaying line guides the search.
    auto j = static_cast<std::size_t>(principal.differe ? principal.differe->nb_echeances : 0);
    const Ligne& repere = f.lignes.front()[j];
    std::int64_t x = lisseur.versement(centimes(repere.echeance) +
                                       (offre.lissage->avec_assurance ? centimes(repere.assurance) : 0) + autres[j]);
    Deroulement d = lisseur.lignes(x, false);
    if (!d.erreur.empty())
        return {.erreur = "prêt 1 : " + d.erreur};
    f.lignes.front() = std::move(d.lignes);
    f.versement = x;
    return f;
}

}  // namespace

Financement financer(const OffreBancaire& offre)
{
    Financement f;
    for (std::size_t i = 0; i < offre.prets.size(); ++i) {
        Deroulement d = contrat(offre.prets[i]);
        if (!d.erreur.empty())
            return {.erreur = "prêt " + std::to_string(i + 1) + ", " + d.erreur};
        if (d.lignes.empty())
            return {.erreur = "prêt " + std::to_string(i + 1) + " : il n'a pas d'échéancier"};
        f.lignes.push_back(std::move(d.lignes));
    }
    return offre.lissage && !offre.prets.empty() ? lisser(offre, std::move(f)) : f;
}

std::vector<Ligne> par_mois(const std::vector<Pret>& prets, const std::vector<std::vector<Ligne>>& lignes)
{
    std::vector<std::array<std::int64_t, 5>> mois;
    for (std::size_t i = 0; i < prets.size() && i < lignes.size(); ++i) {
        if (prets[i].periodes_par_an != 12)
            return {};
        mois.resize(std::max(mois.size(), lignes[i].size()));
        for (std::size_t m = 0; m < lignes[i].size(); ++m) {
            const Ligne& l = lignes[i][m];
            for (auto [k, x] : {std::pair{0, l.echeance}, {1, l.interets}, {2, l.capital_amorti}, {3, l.assurance},
                                {4, l.capital_restant_du}})
                mois[m][static_cast<std::size_t>(k)] += centimes(x);
        }
    }
    std::vector<Ligne> somme;
    for (std::size_t m = 0; m < mois.size(); ++m)
        somme.push_back({static_cast<int>(m) + 1, en_euros(mois[m][0]), en_euros(mois[m][1]), en_euros(mois[m][2]),
                         en_euros(mois[m][3]), en_euros(mois[m][4])});
    return somme;
}

}  // namespace credit
