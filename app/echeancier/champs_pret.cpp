#include "echeancier/champs_pret.h"

#include "commun/formulaire.h"
#include "credit/echeancier.h"

ChampsPret creer_champs_pret(QFormLayout* f)
{
    using credit::Amortissement;
    return {champ(f, "montant", "Montant emprunté", "€"),
            champ(f, "taux", "Taux nominal annuel", "%"),
            champ(f, "nombre", "Nombre d'échéances", ""),
            liste<int>(f, "periodicite", "Une échéance tous les", {{"mois", 12}, {"trimestres", 4}, {"ans", 1}}),
            liste<Amortissement>(f, "amortissement", "Amortissement",
                                 {{"échéances constantes", Amortissement::echeances_constantes},
                                  {"capital constant", Amortissement::capital_constant}}),
            liste<bool>(f, "moment", "Échéances", {{"en fin de période", false}, {"en début de période", true}})};
}
