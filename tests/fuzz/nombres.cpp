// The number readers on any text: a number read is finite; the offer's
// fields, units and spaces included, read or refuse without a fault.
#include "calc/nombres.h"
#include "credit/offre.h"
#include "verifier.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    FuzzedDataProvider d(donnees, taille);
    std::string texte = d.ConsumeRandomLengthString(64);
    for (auto x : {calc::virg(texte), calc::virg_unite(texte, "€"), calc::virg_unite(texte, "%")})
        VERIFIER(!x || std::isfinite(*x));
    VERIFIER(!std::isnan(calc::valeur_en_tete(texte)));
    credit::SaisieOffre s{.montant = texte,
                          .taux = d.ConsumeRandomLengthString(16),
                          .nombre = d.ConsumeRandomLengthString(8),
                          .periodes_par_an = d.PickValueInArray({1, 4, 12}),
                          .taux_assurance = d.ConsumeRandomLengthString(16),
                          .frais_dossier = d.ConsumeRandomLengthString(16),
                          .revenu_mensuel = d.ConsumeRandomLengthString(16),
                          .premiere_echeance = d.ConsumeRandomLengthString(12)};
    credit::Lecture l = credit::lire_offre(s);
    VERIFIER(l.offre.has_value() == (l.erreurs.empty() && l.a_remplir.empty()));
    if (l.offre)
        VERIFIER(std::isfinite(l.offre->pret.capital) && std::isfinite(l.offre->pret.taux_annuel));
    return 0;
}
