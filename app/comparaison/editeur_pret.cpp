#include "comparaison/editeur_pret.h"

#include "calc/nombres.h"
#include "commun/formulaire.h"
#include "commun/textes.h"
#include "comparaison/champs_financement.h"
#include "echeancier/champs_pret.h"
#include "echeancier/editeur_evenements.h"

namespace {

const char* const taux_en_pour_cent = "un taux en %, par exemple 3,45";

}  // namespace

EditeurPret::EditeurPret(QWidget* parent) : QWidget(parent)
{
    auto* f = new QFormLayout(this);
    nom_ = champ(f, "nom_pret", "Nom du prêt (facultatif)", nullptr);
    pret_ = creer_champs_pret(f);
    for (int i = 0; i < 2; ++i)
        couvertures_[i] = creer_couverture(f, QString("assurance%1").arg(i + 1),
                                           QString("Assurance de l'emprunteur %1").arg(i + 1));
    premiere_echeance_ = champ(f, "date_premiere_echeance", "Première échéance le", "JJ/MM/AAAA");
    // Before the financing and events editors, which say themselves when they change.
    for (QLineEdit* c : findChildren<QLineEdit*>())
        connect(c, &QLineEdit::textEdited, this, &EditeurPret::modifie);
    for (QComboBox* l : findChildren<QComboBox*>())
        connect(l, &QComboBox::activated, this, &EditeurPret::modifie);
    financement_ = new ChampsFinancement;
    f->addRow(financement_);
    connect(financement_, &ChampsFinancement::modifie, this, &EditeurPret::modifie);
    connect(financement_, &ChampsFinancement::ptz_applique, this, [this](const credit::Pret& ptz) {
        pret_.montant->setText(texte_du_nombre(ptz.capital));
        pret_.taux->setText(texte_du_nombre(ptz.taux_annuel * 100));
        pret_.nombre->setText(texte_du_nombre(ptz.nb_echeances));
        choisir(pret_.periodicite, ptz.periodes_par_an);
        if (nom_->text().isEmpty())
            nom_->setText(q(ptz.nom));
        emit modifie();
    });
    evenements_ = new EditeurEvenements;
    f->addRow(evenements_);
    connect(evenements_, &EditeurEvenements::modifie, this, &EditeurPret::modifie);
}

void EditeurPret::montrer(const credit::Pret& p)
{
    nom_->setText(q(p.nom));
    financement_->montrer(p);
    pret_.montant->setText(texte_du_nombre(p.capital));
    pret_.taux->setText(texte_du_nombre(p.taux_annuel * 100));
    pret_.nombre->setText(texte_du_nombre(p.nb_echeances));
    choisir(pret_.periodicite, p.periodes_par_an);
    choisir(pret_.amortissement, p.amortissement);
    choisir(pret_.moment, p.en_debut_de_periode);
    for (std::size_t i = 0; i < 2; ++i)
        ::montrer(couvertures_[i], i < p.assurances.size() ? &p.assurances[i] : nullptr);
    premiere_echeance_->setText(p.premiere_echeance ? q(credit::date_en_francais(*p.premiere_echeance)) : QString());
    evenements_->montrer(p.evenements);
}

std::optional<credit::Pret> EditeurPret::lire(LecteurDeFormulaire& l) const
{
    qsizetype avant = l.erreurs.size();
    auto montant = l.nombre(pret_.montant, "€", 0.01, credit::capital_maxi, "un montant en euros", true);
    auto taux = l.nombre(pret_.taux, "%", -99.999, credit::taux_annuel_maxi * 100, taux_en_pour_cent, true);
    auto nombre = l.nombre(pret_.nombre, "", 1, credit::nb_echeances_maxi, "un nombre entier de 1 à 1 200", true, true);
    bool valable = l.erreurs.size() == avant;
    credit::Pret p;
    for (const ChampsCouverture& c : couvertures_)
        if (auto a = ::lire(c, l, valable))
            p.assurances.push_back(*a);
    bool date_fausse = false;
    if (!premiere_echeance_->text().trimmed().isEmpty()) {
        p.premiere_echeance = credit::lire_date_francaise(texte(premiere_echeance_));
        date_fausse = !p.premiere_echeance;
        if (date_fausse)
            l.erreurs << l.lieu() + " : « " + premiere_echeance_->accessibleName() +
                             " » doit être une date écrite JJ/MM/AAAA.";
    }
    p.evenements = evenements_->evenements();
    p.nom = texte(nom_);
    valable = financement_->lire(l, p) && valable;
    if (!valable || date_fausse || !montant || !taux || !nombre)
        return std::nullopt;
    p.capital = *montant;
    p.taux_annuel = calc::centieme(*taux);
    p.nb_echeances = static_cast<int>(*nombre);
    p.periodes_par_an = valeur_choisie<int>(pret_.periodicite);
    p.amortissement = valeur_choisie<credit::Amortissement>(pret_.amortissement);
    p.en_debut_de_periode = valeur_choisie<bool>(pret_.moment);
    return p;
}
