#include "calc/verifications.h"

#include "calc/nombres.h"

#include <cmath>

namespace calc {
namespace {

void refuser(Verification& v, CodeErreur code, Message message, bool montant = false, bool durees = false)
{
    v.refus.push_back({std::move(message), montant, durees});
    v.code_erreur = code;
    if (montant)
        v.saisie.montant.clear();
    if (durees) {
        v.saisie.duree_mini.clear();
        v.saisie.duree_maxi.clear();
    }
}

const char* const choix_a_refaire = "Recommencer votre selection";

}  // namespace

void verif_montant(Verification& v)
{
    if (valeur_en_tete(v.saisie.montant) == 0)
        refuser(v, CodeErreur::montant, {"vous n'avez pas entré de montant"});
    else if (!virg(v.saisie.montant))  // "1.2.3" starts with a number but is none
        refuser(v, CodeErreur::montant, {"le montant n'est pas un nombre valable"});
}

void verif_taux(Verification& v)
{
    const SaisieHypotheses& s = v.saisie;
    if (s.taux_maxi == "Maxi" || s.taux_mini == "Mini") {
        refuser(v, CodeErreur::taux, {"vous avez oublié de fournir les taux", choix_a_refaire, Icone::critique});
        return;
    }
    auto mini = virg(s.taux_mini);
    auto maxi = virg(s.taux_maxi);
    if (!mini || !maxi)
        refuser(v, CodeErreur::taux,
                {"le taux choisi n'est pas un nombre valable\r\nRecommencez votre selection", choix_a_refaire,
                 Icone::critique});
    else if (!(*mini < *maxi))
        refuser(v, CodeErreur::taux,
                {"le taux Mini est plus grand\r\nque le taux Maxi\r\nRecommencez votre selection"});
    else if (*maxi - *mini > ecart_taux_maximal)
        refuser(v, CodeErreur::taux,
                {"l'écart entre les taux est trop grand\r\n(100 points au plus)\r\nRecommencez votre selection"});
}

void verif_durees(Verification& v)
{
    const SaisieHypotheses& s = v.saisie;
    auto mini = [&] { return valeur_en_tete(s.duree_mini); };
    auto maxi = [&] { return valeur_en_tete(s.duree_maxi); };
    const Message impossible{"durée de crédit impossible"};
    const Message trop_longue{"durée trop longue !"};
    auto refus_avant = v.refus.size();

    if (s.en_annees ? mini() <= 1 && maxi() >= 20 : mini() <= 3 && maxi() >= 36)
        refuser(v, s.en_annees ? CodeErreur::ecart_en_annees : CodeErreur::periodes, impossible, true);
    if (maxi() <= mini())
        refuser(v, CodeErreur::periodes, {"Respecter le mini et le maxi S.V.P."}, false, true);
    if (nb_caracteres(s.duree_mini) > 3 || nb_caracteres(s.duree_maxi) > 3)
        refuser(v, CodeErreur::periodes, trop_longue, false, true);
    if (mini() > 240 || maxi() > 240)
        refuser(v, CodeErreur::periodes, trop_longue, false, true);

    // Whole counts head and fill the columns; they must exist and keep their order.
    if (v.refus.size() == refus_avant) {
        auto a = virg(s.duree_mini), b = virg(s.duree_maxi);
        if (!a || !b)
            refuser(v, CodeErreur::periodes, {"la durée n'est pas un nombre valable"}, false, true);
        else if (std::nearbyint(*b) < std::nearbyint(*a))
            refuser(v, CodeErreur::periodes, {"Respecter le mini et le maxi S.V.P."}, false, true);
    }
}

Verification verifier_hypotheses(const SaisieHypotheses& saisie)
{
    Verification v;
    v.saisie = saisie;
    verif_montant(v);
    verif_taux(v);
    verif_durees(v);
    return v;
}

}  // namespace calc
