// The dossier's reader: a loan's name, PTZ, deferral and steps, and the offer's smoothing.
#include "credit/lecture_json.h"
#include "credit/ptz.h"

namespace credit {

Pret lire_ptz(const Objet& o)
{
    Pret p;
    const Json& nom = o.cle("nom");
    if (!nom.is_null() && !nom.is_string())
        o.refuser("nom", "doit être un texte");
    if (!nom.is_null())
        p.nom = nom.get<std::string>();
    const Json& v = o.cle("ptz");
    if (v.is_null())
        return p;
    Objet ptz(v, o.lieu() + ", ptz");
    const char* montant = "un montant de 0,01 à 10 000 000 000 euros";
    Ptz decrit{*ptz.nombre("cout_operation", 0.01, capital_maxi, montant, true),
               *ptz.nombre("plafond", 0.01, capital_maxi, montant, true),
               static_cast<int>(*ptz.nombre("tranche", 1, 4, "1, 2, 3 ou 4", true, true)),
               ptz.mot<Logement>("logement", {{"collectif_neuf", Logement::collectif_neuf},
                                              {"individuel_neuf", Logement::individuel_neuf}})};
    std::string donne = p.nom;
    p = *pret_ptz(decrit);
    if (!nom.is_null())  // even empty: the borrower's, not the rules'
        p.nom = donne;
    return p;
}

void lire_differe_et_paliers(const Objet& o, Pret& p)
{
    if (const Json& v = o.cle("differe"); !v.is_null()) {
        Objet differe(v, o.lieu() + ", différé");
        p.differe = Differe{static_cast<int>(*differe.nombre("nombre_echeances", 0, nb_echeances_maxi,
                                                              "un nombre entier de 0 à 1200", true, true)),
                            differe.mot<Differe::Sorte>("type", {{"partiel", Differe::Sorte::partiel},
                                                                 {"total", Differe::Sorte::total}})};
        if (p.differe->nb_echeances == 0)
            p.differe.reset();
    }
    const Json& paliers = o.cle("paliers");
    if (!paliers.is_null() && !paliers.is_array())
        o.refuser("paliers", "doit être une liste ([ … ])");
    for (std::size_t i = 0; !paliers.is_null() && i < paliers.size(); ++i) {
        Objet palier(paliers[i], o.lieu() + ", palier " + std::to_string(i + 1));
        auto taux = palier.nombre("taux", -99.999, taux_annuel_maxi * 100, "un taux au-dessus de -100 et jusqu'à 1000 (en %)");
        p.paliers.push_back(
            {static_cast<int>(*palier.nombre("nombre_echeances", 1, nb_echeances_maxi, "un nombre entier de 1 à 1200",
                                             true, true)),
             taux ? std::optional(pour_cent(taux)) : std::nullopt,
             palier.nombre("echeance", 0.01, capital_maxi, "un montant en euros au-dessus de 0")});
    }
}

std::optional<Lissage> lire_lissage(const Objet& o)
{
    const Json& v = o.cle("lissage");
    if (v.is_null())
        return std::nullopt;
    Objet lissage(v, o.lieu() + ", lissage");
    const Json& avec = lissage.cle("avec_assurance");
    return Lissage{avec.is_null() || lissage.booleen("avec_assurance")};
}

}  // namespace credit
