#include "calculateurs.h"

#include "annuite.h"
#include "nombres.h"

#include <cmath>

namespace calc {
namespace {

Resultat message(Message m, bool remettre_a_zero = false)
{
    Resultat r;
    r.messages.push_back(std::move(m));
    r.remettre_a_zero = remettre_a_zero;
    return r;
}

}  // namespace

Resultat nb_mens(const SaisieMensualites& s)
{
    const Message case_vide{"vous avez oublié de remplir une case !", "Calcul du Nb mensualités", Icone::critique};
    auto a = virg(s.montant), t = virg(s.taux), m = virg(s.echeance);
    if (!a || !t || !m)
        return message(case_vide);
    double annuel = *t > 1 ? *t / 100 : *t;  // 5 and 0.05 both mean 5 % a year
    if (*a == 0 || annuel == 0 || *m == 0)
        return message(case_vide);

    // The monthly rate is taken as shown to five decimals: 5 % makes 0.00417.
    double par_periode = s.en_annees ? annuel : virg(format_motif(annuel / 12, "##0.00000")).value_or(0);
    auto n = nper(par_periode, s.en_annees ? -*m * 12 : -*m, *a, 0, 0);
    if (!n)
        return message({"Vérifier vos critères ! \r\nil y en a forcément un qui est incohérant !"}, true);

    double entier = std::floor(*n) == *n ? *n : std::floor(*n) + 1;
    Resultat r;
    r.valeur = entier;
    r.legende = s.en_annees ? "Nombre d' annuités : " + texte_general(entier) + " années"
                            : "Nombre de Mensualités : " + texte_general(entier) + " mois";
    return r;
}

Resultat calcul_taux(const SaisieTaux& s)
{
    const Message case_vide{"vous avez oublier une case !", "Calcul du taux d'intéret", Icone::critique};
    const Message pour_rien{"Il semble que vous prêtiez pour rien !\r\nL'une de vos données n'est pas juste !"};
    if (s.montant == "0" || s.echeance == "0" || s.nombre == "0")
        return message(case_vide);
    auto a = virg(s.montant), m = virg(s.echeance), n = virg(s.nombre);
    if (!a || !m || !n)
        return message(case_vide);

    double taux = 0;
    if (s.formule == 0) {
        // Interest = capital x rate x years / 100, solved for the rate.
        if (*a == 0 || *n == 0)
            return message(case_vide);
        taux = ((*m * *n - *a) / *a * 100) / (*n / 12);
    } else if (s.formule == 1) {
        Resultat r = message({"rien n'est prévu pour cette option"}, true);
        r.revenir_aux_interets_simples = true;
        return r;
    } else {
        auto mensuel = rate(*n, -*m, *a, 0, 0, 0.1);
        if (!mensuel)
            return message(pour_rien, true);
        taux = *mensuel * 12 * 100;
    }
    if (!std::isfinite(taux) || taux < 0)
        return message(pour_rien, true);

    Resultat r;
    if (s.en_annees)
        r.messages.push_back({"Résultat pour un calcul basé sur\r\n des données exprimées en MOIS !"});
    r.legende = "Taux à : " + format_motif(taux, "##0.00") + " %";
    r.valeur = virg(format_motif(taux, "##0.00"));
    return r;
}

}  // namespace calc
