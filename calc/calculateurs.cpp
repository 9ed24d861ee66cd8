#include "calc/calculateurs.h"

#include "calc/annuite.h"
#include "calc/motif.h"
#include "calc/nombres.h"

#include <algorithm>
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

// Interest = capital x rate x years / 100, solved for the rate: per cent a year.
double taux_simple(double montant, double echeance, double nombre)
{
    return ((echeance * nombre - montant) / montant * 100) / (nombre / 12);
}

// A count as the schedule takes it; one beyond any schedule stays beyond it.
int compte(double n)
{
    return static_cast<int>(std::clamp(n, -1e9, 1e9));
}

// The rate shown to two decimals, and the loan it makes, paid in months.
Resultat taux_trouve(const SaisieTaux& s, double montant, double nombre, double taux)
{
    Resultat r;
    if (s.en_annees)
        r.messages.push_back({"Résultat pour un calcul basé sur\r\n des données exprimées en MOIS !"});
    r.legende = "Taux à : " + format_motif(taux, "##0.00") + " %";
    r.valeur = virg(format_motif(taux, "##0.00"));
    const bool annuites = s.formule == Formule::interets_constants;
    r.depart = Depart{.montant = montant,
                      .taux = r.valeur.value_or(0),
                      .nombre = compte(nombre),
                      .periodes_par_an = 12,
                      .en_debut_de_periode = false,
                      .note = annuites ? ""
                                       : "Ce taux vient de la formule des intérêts simples ; le tableau "
                                         "d'amortissement suit la méthode des annuités."};
    return r;
}

}  // namespace

Resultat nb_mens(const SaisieMensualites& s)
{
    const Message case_vide{"vous avez oublié de remplir une case !", "Calcul du Nb mensualités", Icone::critique};
    auto a = virg(s.montant), t = virg(s.taux), m = virg(s.echeance);
    if (!a || !t || !m)
        return message(case_vide);
    double annuel = taux_en_fraction(*t);
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
    r.depart = Depart{.montant = *a,
                      .taux = taux_en_pour_cent(*t),
                      .nombre = compte(entier),
                      .periodes_par_an = periodes_par_an(s.en_annees),
                      .en_debut_de_periode = false,
                      .note = {}};
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
    switch (s.formule) {
    case Formule::interets_simples:
        if (*a == 0 || *n == 0)
            return message(case_vide);
        taux = taux_simple(*a, *m, *n);
        break;
    case Formule::interets_composes: {
        Resultat r = message({"rien n'est prévu pour cette option"}, true);
        r.revenir_aux_interets_simples = true;
        return r;
    }
    case Formule::interets_constants:
        auto mensuel = rate(*n, -*m, *a, 0, 0, 0.1);
        if (!mensuel)
            return message(pour_rien, true);
        taux = *mensuel * 12 * 100;
    }
    if (!std::isfinite(taux) || taux < 0)
        return message(pour_rien, true);

    return taux_trouve(s, *a, *n, taux);
}

}  // namespace calc
