#include "echeancier/champs_couverture.h"

#include "calc/nombres.h"
#include "commun/formulaire.h"

ChampsCouverture creer_couverture(QFormLayout* f, const QString& prefixe, const QString& qui)
{
    using credit::BaseAssurance;
    auto nom = [&](const char* suffixe) { return (prefixe + suffixe).toUtf8(); };
    ChampsCouverture c;
    c.taux = champ(f, nom("_taux").constData(), qui + ", taux annuel", "%");
    c.base = liste<BaseAssurance>(f, nom("_base").constData(), qui + ", calculée sur",
                                  {{"le capital initial", BaseAssurance::capital_initial},
                                   {"le capital restant dû", BaseAssurance::capital_restant_du}});
    c.quotite = champ(f, nom("_quotite").constData(), qui + ", quotité", "%");
    c.mensualite = champ(f, nom("_mensualite").constData(), qui + ", ou par mois", "€");
    return c;
}

void montrer(const ChampsCouverture& c, const credit::Assurance* a)
{
    bool taux = a && !a->mensualite;
    c.taux->setText(taux ? texte_du_nombre(a->taux * 100) : QString());
    choisir(c.base, taux ? a->base : credit::BaseAssurance::capital_initial);
    c.quotite->setText(taux && a->quotite != 1 ? texte_du_nombre(a->quotite * 100) : QString());
    c.mensualite->setText(a && a->mensualite ? texte_du_nombre(a->mensualite) : QString());
}

std::optional<credit::Assurance> lire(const ChampsCouverture& c, LecteurDeFormulaire& l, bool& valable)
{
    qsizetype avant = l.erreurs.size();
    auto mensualite = l.nombre(c.mensualite, "€", 0, credit::capital_maxi, "un montant en euros par mois");
    auto taux = l.nombre(c.taux, "%", 0, credit::taux_annuel_maxi * 100, "un taux en %, par exemple 0,34");
    auto quotite = l.nombre(c.quotite, "%", 1, 100, "une quotité de 1 à 100 %");
    valable = valable && l.erreurs.size() == avant;
    if (mensualite)
        return credit::Assurance{.mensualite = mensualite};
    if (!taux)
        return std::nullopt;
    return credit::Assurance{.taux = calc::centieme(*taux),
                             .base = valeur_choisie<credit::BaseAssurance>(c.base),
                             .quotite = calc::centieme(quotite.value_or(100))};
}
