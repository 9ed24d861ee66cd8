// The dossier's reader: a loan's events.
#include "credit/lecture_json.h"

#include <string>

namespace credit {
namespace {

using Sorte = SorteEvenement;

void lire_moment(const Objet& o, bool pret_date, Evenement& ev)
{
    const Json& date = o.cle("date");
    if (date.is_null()) {
        ev.apres_echeance = static_cast<int>(*o.nombre("apres_echeance", 1, nb_echeances_maxi,
                                                        "le numéro d'une échéance, de 1 à 1200", true, true));
        return;
    }
    if (!o.cle("apres_echeance").is_null())
        o.refuser("date", "ne va pas avec « apres_echeance » : l'un ou l'autre");
    if (!pret_date)
        o.refuser("date", "demande la date de la première échéance du prêt (« date_premiere_echeance »)");
    ev.date = date.is_string() ? lire_date(date.get<std::string>()) : std::nullopt;
    if (!ev.date)
        o.refuser("date", "doit être une date écrite AAAA-MM-JJ");
}

std::vector<Assurance> lire_nouvelle_assurance(const Objet& o)
{
    const Json& liste = o.cle("assurance", true);
    if (!liste.is_array())
        o.refuser("assurance", "doit être une liste ([ … ])");
    std::vector<Assurance> assurances;
    for (std::size_t i = 0; i < liste.size(); ++i)
        assurances.push_back(lire_assurance(Objet(liste[i], o.lieu() + ", assurance " + std::to_string(i + 1))));
    return assurances;
}

Evenement lire_evenement(const Objet& o, bool pret_date)
{
    Evenement ev;
    ev.sorte = o.mot<Sorte>("type", {{"remboursement_partiel", Sorte::remboursement_partiel},
                                     {"remboursement_total", Sorte::remboursement_total},
                                     {"modulation", Sorte::modulation},
                                     {"assurance", Sorte::assurance},
                                     {"taux", Sorte::taux}});
    if (o.cle("type").is_null())
        o.refuser("type", "manque");
    lire_moment(o, pret_date, ev);
    switch (ev.sorte) {
    case Sorte::remboursement_partiel:
        ev.montant = *o.nombre("montant", 0.01, capital_maxi, "un montant de 0,01 à 10 000 000 000 euros", true);
        ev.reduire = o.mot<Reduire>("reduire", {{"duree", Reduire::duree}, {"echeance", Reduire::echeance}});
        [[fallthrough]];
    case Sorte::remboursement_total: ev.exoneration = o.booleen("exoneration"); break;
    case Sorte::modulation:
        ev.pourcentage = *o.nombre("pourcentage", -99.99, 1000, "un pourcentage au-dessus de -100 et jusqu'à 1000",
                                   true);
        break;
    case Sorte::assurance: ev.assurances = lire_nouvelle_assurance(o); break;
    case Sorte::taux:
        ev.taux_annuel = pour_cent(
            o.nombre("taux", -99.999, taux_annuel_maxi * 100, "un taux au-dessus de -100 et jusqu'à 1000 (en %)", true));
        ev.frais = o.nombre("frais", 0, capital_maxi, "un montant positif en euros").value_or(0);
        break;
    }
    return ev;
}

}  // namespace

std::vector<Evenement> lire_evenements(const Objet& pret, bool date)
{
    const Json& liste = pret.cle("evenements");
    if (!liste.is_null() && !liste.is_array())
        pret.refuser("evenements", "doit être une liste ([ … ])");
    std::vector<Evenement> evenements;
    for (std::size_t i = 0; !liste.is_null() && i < liste.size(); ++i)
        evenements.push_back(lire_evenement(Objet(liste[i], pret.lieu() + ", événement " + std::to_string(i + 1)), date));
    return evenements;
}

}  // namespace credit
