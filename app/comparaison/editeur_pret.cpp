#include "comparaison/editeur_pret.h"

#include "calc/nombres.h"
#include "commun/formulaire.h"
#include "echeancier/champs_pret.h"

namespace {

const char* const taux_en_pour_cent = "un taux en %, par exemple 3,45";

}  // namespace

EditeurPret::EditeurPret(QWidget* parent) : QWidget(parent)
{
    auto* f = new QFormLayout(this);
    pret_ = creer_champs_pret(f);
    for (int i = 0; i < 2; ++i)
        couvertures_[i] = creer_couverture(f, i + 1);
    for (QLineEdit* c : findChildren<QLineEdit*>())
        connect(c, &QLineEdit::textEdited, this, &EditeurPret::modifie);
    for (QComboBox* l : findChildren<QComboBox*>())
        connect(l, &QComboBox::activated, this, &EditeurPret::modifie);
}

EditeurPret::Couverture EditeurPret::creer_couverture(QFormLayout* f, int emprunteur)
{
    using credit::BaseAssurance;
    static const char* const noms[2][4] = {
        {"assurance1_taux", "assurance1_base", "assurance1_quotite", "assurance1_mensualite"},
        {"assurance2_taux", "assurance2_base", "assurance2_quotite", "assurance2_mensualite"}};
    const char* const* n = noms[emprunteur - 1];
    QString qui = QString("Assurance de l'emprunteur %1").arg(emprunteur);
    Couverture c;
    c.taux = champ(f, n[0], qui + ", taux annuel", "%");
    c.base = liste<BaseAssurance>(f, n[1], qui + ", calculée sur",
                                  {{"le capital initial", BaseAssurance::capital_initial},
                                   {"le capital restant dû", BaseAssurance::capital_restant_du}});
    c.quotite = champ(f, n[2], qui + ", quotité", "%");
    c.mensualite = champ(f, n[3], qui + ", ou par mois", "€");
    return c;
}

void EditeurPret::montrer(const credit::Pret& p)
{
    pret_.montant->setText(texte_du_nombre(p.capital));
    pret_.taux->setText(texte_du_nombre(p.taux_annuel * 100));
    pret_.nombre->setText(texte_du_nombre(p.nb_echeances));
    choisir(pret_.periodicite, p.periodes_par_an);
    choisir(pret_.amortissement, p.amortissement);
    choisir(pret_.moment, p.en_debut_de_periode);
    for (std::size_t i = 0; i < 2; ++i)
        montrer(couvertures_[i], i < p.assurances.size() ? &p.assurances[i] : nullptr);
}

void EditeurPret::montrer(const Couverture& c, const credit::Assurance* a)
{
    bool taux = a && !a->mensualite;
    c.taux->setText(taux ? texte_du_nombre(a->taux * 100) : QString());
    choisir(c.base, taux ? a->base : credit::BaseAssurance::capital_initial);
    c.quotite->setText(taux && a->quotite != 1 ? texte_du_nombre(a->quotite * 100) : QString());
    c.mensualite->setText(a && a->mensualite ? texte_du_nombre(a->mensualite) : QString());
}

std::optional<credit::Assurance> EditeurPret::lire(const Couverture& c, LecteurDeFormulaire& l, bool& valable) const
{
    qsizetype avant = l.erreurs.size();
    auto mensualite = l.nombre(c.mensualite, "€", 0, credit::capital_maxi, "un montant en euros par mois");
    auto taux = l.nombre(c.taux, "%", 0, credit::taux_annuel_maxi * 100, taux_en_pour_cent);
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

std::optional<credit::Pret> EditeurPret::lire(LecteurDeFormulaire& l) const
{
    qsizetype avant = l.erreurs.size();
    auto montant = l.nombre(pret_.montant, "€", 0.01, credit::capital_maxi, "un montant en euros", true);
    auto taux = l.nombre(pret_.taux, "%", -99.999, credit::taux_annuel_maxi * 100, taux_en_pour_cent, true);
    auto nombre = l.nombre(pret_.nombre, "", 1, credit::nb_echeances_maxi, "un nombre entier de 1 à 1 200", true, true);
    bool valable = l.erreurs.size() == avant;
    credit::Pret p;
    for (const Couverture& c : couvertures_)
        if (auto a = lire(c, l, valable))
            p.assurances.push_back(*a);
    if (!valable || !montant || !taux || !nombre)
        return std::nullopt;
    p.capital = *montant;
    p.taux_annuel = calc::centieme(*taux);
    p.nb_echeances = static_cast<int>(*nombre);
    p.periodes_par_an = valeur_choisie<int>(pret_.periodicite);
    p.amortissement = valeur_choisie<credit::Amortissement>(pret_.amortissement);
    p.en_debut_de_periode = valeur_choisie<bool>(pret_.moment);
    return p;
}
