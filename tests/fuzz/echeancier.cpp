// The schedule of any loan within its bounds: the capital repaid adds up to
// the capital, the capital owed never rises and ends at 0, every figure is
// finite; its TAEG, when there is one, too.
#include "credit/argent.h"
#include "credit/echeancier.h"
#include "donnees_pret.h"
#include "verifier.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    FuzzedDataProvider d(donnees, taille);
    credit::Pret p = pret_tire(d);
    std::vector<credit::Ligne> lignes = credit::echeancier(p);
    if (lignes.empty())
        return 0;
    VERIFIER(static_cast<int>(lignes.size()) == p.nb_echeances);
    std::int64_t rembourse = 0, du = credit::centimes(p.capital);
    for (const credit::Ligne& l : lignes) {
        for (double x : {l.echeance, l.interets, l.capital_amorti, l.assurance, l.capital_restant_du})
            VERIFIER(std::isfinite(x));
        VERIFIER(credit::centimes(l.capital_restant_du) <= du);
        du = credit::centimes(l.capital_restant_du);
        rembourse += credit::centimes(l.capital_amorti);
    }
    VERIFIER(du == 0);
    VERIFIER(rembourse == credit::centimes(p.capital));
    auto taeg = credit::taeg(p, lignes);
    VERIFIER(!taeg || std::isfinite(*taeg));
    return 0;
}
