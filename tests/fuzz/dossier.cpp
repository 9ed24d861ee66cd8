// The dossier reader on any bytes: it refuses or reads; what it reads,
// written back and read again, is the same dossier.
#include "credit/fichier_dossier.h"
#include "verifier.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    credit::LectureDossier l = credit::lire_dossier(std::string_view(reinterpret_cast<const char*>(donnees), taille));
    VERIFIER(l.dossier.has_value() == l.erreur.empty());
    if (!l.dossier)
        return 0;
    std::string ecrit = credit::ecrire_dossier(*l.dossier);
    credit::LectureDossier relu = credit::lire_dossier(ecrit);
    VERIFIER(relu.dossier && *relu.dossier == *l.dossier);
    VERIFIER(credit::ecrire_dossier(*relu.dossier) == ecrit);
    return 0;
}
