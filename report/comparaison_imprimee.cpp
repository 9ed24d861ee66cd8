#include "report/comparaison_imprimee.h"

#include "calc/nombres.h"

namespace rapport {
namespace {

std::string ou_non_saisi(std::optional<double> x, std::string (*ecrire)(double))
{
    return x ? ecrire(*x) : "non saisi";
}

std::string taux(double x)
{
    return calc::pour_cent(x);
}

}  // namespace

Document comparaison(const credit::Dossier& d, const credit::Comparaison& c, const std::string& date)
{
    Document doc;
    doc.titre = "Comparaison des offres du " + date;
    const credit::Situation& s = d.situation;
    doc.avant = {"Coûts comparés au bout de " + credit::en_annees(d.horizon_annees),
                 "Revenu net mensuel : " + ou_non_saisi(s.revenu_mensuel, calc::euros),
                 "Autres charges mensuelles : " + ou_non_saisi(s.charges_mensuelles, calc::euros),
                 "Taux d'usure : " + ou_non_saisi(s.taux_usure, taux)};
    doc.en_tetes = {""};
    doc.en_tetes.insert(doc.en_tetes.end(), c.noms.begin(), c.noms.end());
    for (const credit::Rangee& r : c.rangees) {
        std::vector<std::string> ligne = {r.titre};
        ligne.insert(ligne.end(), r.cellules.begin(), r.cellules.end());
        doc.lignes.push_back(std::move(ligne));
    }
    for (const std::string& phrase : c.croisements)
        doc.apres.push_back(phrase + ".");
    for (std::size_t i = 0; i < c.chiffres.size(); ++i) {
        if (!c.chiffres[i])
            doc.apres.push_back(c.noms[i] + " : un de ses prêts n'a pas d'échéancier.");
        else
            for (const std::string& alerte : c.chiffres[i]->alertes)
                doc.apres.push_back(c.noms[i] + " : " + alerte);
    }
    return doc;
}

}  // namespace rapport
