#include "credit/offre.h"

#include "calc/nombres.h"
#include "credit/deroulement.h"
#include "credit/plan_evenements.h"

#include <cmath>
#include <tuple>

namespace credit {
namespace {

bool vide(const std::string& texte)
{
    return texte.find_first_not_of(" \t") == std::string::npos;
}

// Reads one field: its value, or the reason it is refused added to `erreurs`.
class LecteurDeChamps {
public:
    explicit LecteurDeChamps(Lecture& lecture) : lecture_(lecture) {}

    // A number within [mini, maxi], in `unite` or whole if asked; `exemple` says how to type it.
    std::optional<double> nombre(const std::string& texte, double mini, double maxi, const std::string& champ,
                                 const std::string& exemple, const char* unite, bool entier = false)
    {
        if (vide(texte)) {
            lecture_.a_remplir.push_back(champ);
            return std::nullopt;
        }
        auto x = calc::virg_unite(texte, unite);
        if (x && *x >= mini && *x <= maxi && (!entier || *x == std::floor(*x)))
            return x;
        lecture_.erreurs.push_back(champ + " : " + exemple);
        return std::nullopt;
    }

    // The same for a field that may stay empty.
    std::optional<double> facultatif(const std::string& texte, double mini, double maxi, const std::string& champ,
                                     const std::string& exemple, const char* unite, bool& valable)
    {
        if (vide(texte))
            return std::nullopt;
        auto x = nombre(texte, mini, maxi, champ, exemple + ", ou laissez vide.", unite);
        valable = valable && x;
        return x;
    }

private:
    Lecture& lecture_;
};

const std::string positif = "tapez un montant en euros, par exemple 150000 ou 150 000,50";

// The loan's own terms, all required; false when one is wrong. A wrong
// amount leaves the capital at 0.
bool lire_pret(const SaisieOffre& s, LecteurDeChamps& lire, Pret& pret)
{
    // A rate of -100 % a year or less would owe nothing, or less than nothing, after a year.
    constexpr double moins_cent = -100 + 1e-9;
    auto montant = lire.nombre(s.montant, 0.01, capital_maxi, "Montant emprunté",
                               positif + " (de 0,01 € à 10 milliards d'euros).", "€");
    auto taux = lire.nombre(s.taux, moins_cent, taux_annuel_maxi * 100, "Taux annuel",
                            "tapez un taux en %, par exemple 3,45 (au-dessus de -100 % et jusqu'à 1 000 %).", "%");
    auto nombre = lire.nombre(s.nombre, 1, nb_echeances_maxi, "Nombre d'échéances",
                              "tapez un nombre entier de 1 à 1 200.", "", true);
    pret.capital = montant.value_or(0);
    pret.taux_annuel = calc::centieme(taux.value_or(0));
    pret.nb_echeances = static_cast<int>(nombre.value_or(0));
    pret.periodes_par_an = s.periodes_par_an;
    pret.amortissement = s.amortissement;
    pret.en_debut_de_periode = s.en_debut_de_periode;
    return montant && taux && nombre;
}

// The three fees; each may stay empty.
Frais lire_frais(const SaisieOffre& s, LecteurDeChamps& lire, bool& valable)
{
    Frais f;
    for (auto [texte, champ, montant] : {std::tuple{&s.frais_dossier, "Frais de dossier", &f.dossier},
                                         {&s.frais_garantie, "Frais de garantie", &f.garantie},
                                         {&s.frais_courtage, "Frais de courtage", &f.courtage}})
        *montant = lire.facultatif(*texte, 0, capital_maxi, champ, positif, "€", valable).value_or(0);
    return f;
}

}  // namespace

// Every field is read, so that each wrong one is named.
Lecture lire_offre(const SaisieOffre& s)
{
    Lecture l;
    LecteurDeChamps lire(l);
    Pret pret;
    bool valable = lire_pret(s, lire, pret);
    auto assurance = lire.facultatif(s.taux_assurance, 0, taux_annuel_maxi * 100, "Taux d'assurance",
                                     "tapez un taux en %, par exemple 0,30", "%", valable);
    Frais detail = lire_frais(s, lire, valable);
    double frais = detail.dossier + detail.garantie + detail.courtage;
    if (pret.capital > 0 && frais >= pret.capital) {
        l.erreurs.push_back("Frais : ensemble, ils atteignent le montant emprunté.");
        valable = false;
    }
    auto revenu = lire.facultatif(s.revenu_mensuel, 0.01, capital_maxi, "Revenu net mensuel", positif, "€", valable);
    auto usure =
        lire.facultatif(s.taux_usure, 0.01, 100, "Taux d'usure", "tapez un taux en %, par exemple 5,08", "%", valable);
    pret.premiere_echeance = lire_date_francaise(s.premiere_echeance);
    if (!vide(s.premiere_echeance) && !pret.premiere_echeance) {
        l.erreurs.push_back("Première échéance : tapez une date JJ/MM/AAAA, par exemple 05/02/2027, ou laissez vide.");
        valable = false;
    }
    if (!valable)
        return l;
    pret.assurances = {{.taux = calc::centieme(assurance.value_or(0)), .base = s.base_assurance}};
    pret.frais = frais;
    pret.evenements = s.evenements;
    if (auto d = derouler(pret); !d.erreur.empty()) {
        l.erreurs.push_back(en_phrase(d.erreur));
        return l;
    }
    l.offre = Offre{pret, detail, revenu, usure ? std::optional(calc::centieme(*usure)) : std::nullopt};
    return l;
}

OffreBancaire offre_bancaire(const Offre& offre, const std::string& nom)
{
    OffreBancaire o{.nom = nom, .prets = {offre.pret}, .frais = offre.frais};
    o.prets.front().frais = 0;
    return o;
}

}  // namespace credit
