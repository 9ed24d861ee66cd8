#include "calc/choix.h"

namespace calc {

const char* libelle(Formule formule)
{
    switch (formule) {
    case Formule::interets_simples: return "Intérets simples";
    case Formule::interets_composes: return "Intérets composés";
    case Formule::interets_constants: return "Intérets constants";
    }
    return "";
}

}  // namespace calc
