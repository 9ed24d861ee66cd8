#include "echeancier/dialogue_evenement.h"

#include "calc/nombres.h"
#include "commun/formulaire.h"
#include "commun/textes.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace {

using Sorte = credit::SorteEvenement;
const char* const montant_en_euros = "un montant en euros";

}  // namespace

DialogueEvenement::DialogueEvenement(QWidget* parent, const credit::Evenement& ev) : QDialog(parent), evenement_(ev)
{
    setObjectName("DialogueEvenement");
    setWindowTitle("Événement du prêt");
    auto* v = new QVBoxLayout(this);
    formulaire_ = new QFormLayout;
    v->addLayout(formulaire_);
    auto* f = formulaire_;
    type_ = liste<Sorte>(f, "type", "Événement",
                         {{"remboursement partiel", Sorte::remboursement_partiel},
                          {"remboursement total", Sorte::remboursement_total},
                          {"modulation de l'échéance", Sorte::modulation},
                          {"changement d'assurance", Sorte::assurance},
                          {"renégociation du taux", Sorte::taux}});
    apres_ = champ(f, "apres_echeance", "Après l'échéance n°", "");
    date_ = champ(f, "date", "Ou à la date (prêt daté)", "JJ/MM/AAAA");
    montant_ = champ(f, "montant", "Montant remboursé", "€");
    reduire_ = liste<credit::Reduire>(f, "reduire", "Ensuite",
                                      {{"réduire la durée", credit::Reduire::duree},
                                       {"réduire l'échéance", credit::Reduire::echeance}});
    exoneration_ = rangee(f, new QCheckBox("vente pour mutation, décès ou cessation forcée d'activité"),
                          "exoneration", "Sans indemnité");
    pourcentage_ = champ(f, "pourcentage", "Modulation de l'échéance", "%");
    taux_ = champ(f, "nouveau_taux", "Nouveau taux nominal annuel", "%");
    frais_ = champ(f, "frais_evenement", "Frais de la renégociation", "€");
    for (int i = 0; i < 2; ++i)
        couvertures_[i] = creer_couverture(f, QString("nouvelle_assurance%1").arg(i + 1),
                                           QString("Nouvelle assurance de l'emprunteur %1").arg(i + 1));
    erreurs_ = etiquette_en_rouge("erreurs_evenement");
    v->addWidget(erreurs_);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    v->addWidget(boutons);
    connect(type_, &QComboBox::currentIndexChanged, this, &DialogueEvenement::montrer_les_champs_du_type);
    montrer(ev);
}

void DialogueEvenement::montrer(const credit::Evenement& ev)
{
    choisir(type_, ev.sorte);
    apres_->setText(ev.date || ev.apres_echeance < 1 ? QString() : QString::number(ev.apres_echeance));
    date_->setText(ev.date ? q(credit::date_en_francais(*ev.date)) : QString());
    montant_->setText(ev.montant > 0 ? texte_du_nombre(ev.montant) : QString());
    choisir(reduire_, ev.reduire);
    exoneration_->setChecked(ev.exoneration);
    pourcentage_->setText(ev.sorte == Sorte::modulation ? texte_du_nombre(ev.pourcentage) : QString());
    taux_->setText(ev.sorte == Sorte::taux ? texte_du_nombre(ev.taux_annuel * 100) : QString());
    frais_->setText(ev.sorte == Sorte::taux ? texte_du_nombre(ev.frais) : QString());
    for (std::size_t i = 0; i < 2; ++i)
        ::montrer(couvertures_[i], i < ev.assurances.size() ? &ev.assurances[i] : nullptr);
    montrer_les_champs_du_type();
}

void DialogueEvenement::montrer_les_champs_du_type()
{
    Sorte s = valeur_choisie<Sorte>(type_);
    bool remboursement = s == Sorte::remboursement_partiel || s == Sorte::remboursement_total;
    auto voir = [this](QWidget* w, bool oui) { montrer_rangee(formulaire_, w, oui); };
    for (auto [w, oui] : std::initializer_list<std::pair<QWidget*, bool>>{
             {montant_, s == Sorte::remboursement_partiel},
             {reduire_, s == Sorte::remboursement_partiel},
             {exoneration_, remboursement},
             {pourcentage_, s == Sorte::modulation},
             {taux_, s == Sorte::taux},
             {frais_, s == Sorte::taux}})
        voir(w, oui);
    for (const ChampsCouverture& c : couvertures_)
        for (QWidget* w : {static_cast<QWidget*>(c.taux), static_cast<QWidget*>(c.base),
                           static_cast<QWidget*>(c.quotite), static_cast<QWidget*>(c.mensualite)})
            voir(w, s == Sorte::assurance);
}

// After an instalment, or on a date when one is typed.
void DialogueEvenement::lire_moment(LecteurDeFormulaire& l, credit::Evenement& ev) const
{
    if (date_->text().trimmed().isEmpty()) {
        ev.apres_echeance = static_cast<int>(
            l.nombre(apres_, "", 1, credit::nb_echeances_maxi, "un numéro d'échéance de 1 à 1 200", true, true)
                .value_or(0));
        return;
    }
    ev.date = credit::lire_date_francaise(texte(date_));
    if (!ev.date)
        l.erreurs << "Événement : « " + date_->accessibleName() + " » doit être une date écrite JJ/MM/AAAA.";
}

std::optional<credit::Evenement> DialogueEvenement::lire(QStringList& erreurs) const
{
    LecteurDeFormulaire l("Événement");
    credit::Evenement ev{.sorte = valeur_choisie<Sorte>(type_)};
    lire_moment(l, ev);
    switch (ev.sorte) {
    case Sorte::remboursement_partiel:
        ev.montant = l.nombre(montant_, "€", 0.01, credit::capital_maxi, montant_en_euros, true).value_or(0);
        ev.reduire = valeur_choisie<credit::Reduire>(reduire_);
        [[fallthrough]];
    case Sorte::remboursement_total: ev.exoneration = exoneration_->isChecked(); break;
    case Sorte::modulation:
        ev.pourcentage =
            l.nombre(pourcentage_, "%", -99.99, 1000, "un pourcentage au-dessus de -100 et jusqu'à 1 000", true)
                .value_or(0);
        break;
    case Sorte::assurance: {
        bool valable = true;
        for (const ChampsCouverture& c : couvertures_)
            if (auto a = ::lire(c, l, valable))
                ev.assurances.push_back(*a);
        break;
    }
    case Sorte::taux:
        ev.taux_annuel = calc::centieme(
            l.nombre(taux_, "%", -99.999, credit::taux_annuel_maxi * 100, "un taux en %, par exemple 2,9", true)
                .value_or(0));
        ev.frais = l.nombre(frais_, "€", 0, credit::capital_maxi, montant_en_euros).value_or(0);
        break;
    }
    erreurs = l.erreurs;
    return erreurs.isEmpty() ? std::optional(ev) : std::nullopt;
}

void DialogueEvenement::accept()
{
    QStringList erreurs;
    auto ev = lire(erreurs);
    erreurs_->setText(erreurs.join('\n'));
    if (!ev)
        return;
    evenement_ = *ev;
    QDialog::accept();
}
