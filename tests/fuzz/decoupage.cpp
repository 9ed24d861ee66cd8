// A grid of any sizes cut into pages: every cell in exactly one piece.
#include "report/decoupage.h"
#include "verifier.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    FuzzedDataProvider d(donnees, taille);
    rapport::GrilleImprimee g;
    g.largeur_en_tete = d.ConsumeIntegralInRange(0, 400);
    g.hauteur_en_tete = d.ConsumeIntegralInRange(0, 400);
    for (int i = d.ConsumeIntegralInRange(0, 60); i > 0; --i)
        g.largeurs.push_back(d.ConsumeIntegralInRange(0, 900));
    for (int i = d.ConsumeIntegralInRange(0, 300); i > 0; --i)
        g.hauteurs.push_back(d.ConsumeIntegralInRange(0, 900));
    rapport::Surface page{d.ConsumeFloatingPointInRange(1.0, 2000.0), d.ConsumeFloatingPointInRange(1.0, 2000.0)};
    double premiere = d.ConsumeFloatingPointInRange(1.0, page.hauteur);
    std::vector<int> vues(g.largeurs.size() * g.hauteurs.size());
    for (const rapport::Morceau& m : rapport::decouper(g, page, premiere)) {
        VERIFIER(0 <= m.colonne && m.colonne <= m.fin_colonne && m.fin_colonne <= static_cast<int>(g.largeurs.size()));
        VERIFIER(0 <= m.ligne && m.ligne <= m.fin_ligne && m.fin_ligne <= static_cast<int>(g.hauteurs.size()));
        for (int r = m.ligne; r < m.fin_ligne; ++r)
            for (int c = m.colonne; c < m.fin_colonne; ++c)
                ++vues[static_cast<std::size_t>(r) * g.largeurs.size() + static_cast<std::size_t>(c)];
    }
    for (int v : vues)
        VERIFIER(v == 1);
    return 0;
}
