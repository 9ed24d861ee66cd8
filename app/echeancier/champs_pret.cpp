#include "echeancier/champs_pret.h"

#include "calc/nombres.h"
#include "commun/formulaire.h"
#include "commun/textes.h"
#include "credit/echeancier.h"

namespace {

// The count and the duration in years follow each other at the chosen periodicity.
void lier_duree(const ChampsPret& c)
{
    auto periodes = [c] { return valeur_choisie<int>(c.periodicite); };
    auto vers_duree = [c, periodes] {
        auto n = calc::virg(texte(c.nombre));
        c.duree->setText(n ? q(calc::texte_general(*n / periodes())) : QString());
    };
    QObject::connect(c.duree, &QLineEdit::textEdited, c.nombre, [c, periodes] {
        if (auto annees = calc::virg(texte(c.duree)))
            c.nombre->setText(q(calc::texte_general(*annees * periodes())));
    });
    QObject::connect(c.nombre, &QLineEdit::textChanged, c.duree, [c, vers_duree] {
        if (!c.duree->hasFocus())
            vers_duree();
    });
    QObject::connect(c.periodicite, &QComboBox::currentIndexChanged, c.duree, vers_duree);
}

}  // namespace

ChampsPret creer_champs_pret(QFormLayout* f)
{
    using credit::Amortissement;
    ChampsPret c{champ(f, "montant", "Montant emprunté", "€"),
                 champ(f, "taux", "Taux nominal annuel", "%"),
                 champ(f, "nombre", "Nombre d'échéances", ""),
                 champ(f, "duree", "Soit une durée de", "ans"),
                 liste<int>(f, "periodicite", "Une échéance tous les", {{"mois", 12}, {"trimestres", 4}, {"ans", 1}}),
                 liste<Amortissement>(f, "amortissement", "Amortissement",
                                      {{"échéances constantes", Amortissement::echeances_constantes},
                                       {"capital constant", Amortissement::capital_constant}}),
                 liste<bool>(f, "moment", "Échéances", {{"en fin de période", false}, {"en début de période", true}})};
    lier_duree(c);
    return c;
}
