#include "comparaison/dialogue_rachat.h"

#include "calc/nombres.h"
#include "commun/bouton.h"
#include "commun/formulaire.h"
#include "commun/textes.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

DialogueRachat::DialogueRachat(QWidget* parent, const credit::OffreBancaire& offre) : QDialog(parent), offre_(offre)
{
    setObjectName("Rachat");
    setWindowTitle("Rachat par une autre banque — " + q(offre.nom));
    auto* v = new QVBoxLayout(this);
    auto* f = new QFormLayout;
    v->addLayout(f);
    pret_ = rangee(f, new QComboBox, "pret_rachete", "Prêt racheté");
    for (std::size_t i = 0; i < offre.prets.size(); ++i)
        pret_->addItem(QString("Prêt %1").arg(i + 1), QVariant::fromValue(i));
    apres_ = champ(f, "apres_echeance", "Racheté après l'échéance n°", "");
    taux_ = champ(f, "taux_rachat", "Taux nominal du nouveau prêt", "%");
    nombre_ = champ(f, "nombre_rachat", "Nombre de mensualités", "");
    frais_ = champ(f, "frais_rachat", "Frais du rachat (dossier, garantie, courtage)", "€");
    for (int i = 0; i < 2; ++i)
        couvertures_[i] = creer_couverture(f, QString("assurance_rachat%1").arg(i + 1),
                                           QString("Assurance de l'emprunteur %1").arg(i + 1));
    resultat_ = etiquette_de_resultat("resultat_rachat");
    v->addWidget(resultat_);
    erreurs_ = etiquette_en_rouge("erreurs_rachat");
    v->addWidget(erreurs_);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Close);
    ajouter_ = boutons->addButton("&Ajouter au dossier", QDialogButtonBox::ActionRole);
    ajouter_->setObjectName("ajouter_rachat");
    connect(ajouter_, &QPushButton::clicked, this, &DialogueRachat::ajouter_au_dossier);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    v->addWidget(boutons);
    for (QLineEdit* c : findChildren<QLineEdit*>())
        connect(c, &QLineEdit::textChanged, this, &DialogueRachat::recalculer);
    for (QComboBox* l : findChildren<QComboBox*>())
        connect(l, &QComboBox::currentIndexChanged, this, &DialogueRachat::recalculer);
    recalculer();
}

// The new loan as an offer of its own, its fees paid from what it lends.
void DialogueRachat::ajouter_au_dossier()
{
    if (bilan_)
        ajouter({.nom = "Rachat de " + offre_.nom + " après l'échéance " + texte(apres_),
                 .credit = offre_.credit,
                 .prets = {bilan_->nouveau},
                 .frais = {.dossier = valeur(frais_)}});
}

std::optional<credit::Rachat> DialogueRachat::lire(QStringList& erreurs) const
{
    LecteurDeFormulaire l("Rachat");
    credit::Rachat r;
    r.apres_echeance = static_cast<int>(
        l.nombre(apres_, "", 1, credit::nb_echeances_maxi, "un numéro d'échéance de 1 à 1 200", true, true).value_or(0));
    r.taux_annuel = calc::centieme(
        l.nombre(taux_, "%", -99.999, credit::taux_annuel_maxi * 100, "un taux en %, par exemple 2,9", true).value_or(0));
    r.nb_echeances = static_cast<int>(
        l.nombre(nombre_, "", 1, credit::nb_echeances_maxi, "un nombre entier de 1 à 1 200", true, true).value_or(0));
    r.frais = l.nombre(frais_, "€", 0, credit::capital_maxi, "un montant en euros").value_or(0);
    bool valable = true;
    for (const ChampsCouverture& c : couvertures_)
        if (auto a = ::lire(c, l, valable))
            r.assurances.push_back(*a);
    erreurs = l.erreurs;
    return erreurs.isEmpty() ? std::optional(r) : std::nullopt;
}

void DialogueRachat::recalculer()
{
    QStringList erreurs;
    auto rachat = lire(erreurs);
    bilan_.reset();
    if (rachat) {
        credit::BilanRachat b = credit::racheter(offre_, valeur_choisie<std::size_t>(pret_), *rachat);
        if (b.erreur.empty())
            bilan_ = b;
        else
            erreurs << "Rachat : " + q(b.erreur) + ".";
    }
    ajouter_->setEnabled(bilan_.has_value());
    erreurs_->setText(rachat ? erreurs.join('\n') : QString());
    if (!bilan_)
        return resultat_->clear();
    const credit::BilanRachat& b = *bilan_;
    resultat_->setText(
        QString("Nouveau prêt : %1 (dont indemnité de remboursement anticipé : %2)\n"
                "Échéance avec assurance : %3 en gardant le prêt, %4 avec le rachat\n"
                "Coût restant : %5 en gardant le prêt, %6 avec le rachat (indemnité et frais compris)\n"
                "Gain net du rachat : %7 ; %8")
            .arg(q(calc::euros(b.nouveau.capital)), q(calc::euros(b.indemnite)), q(calc::euros(b.echeance_gardee)),
                 q(calc::euros(b.echeance_rachat)), q(calc::euros(b.cout_garde)), q(calc::euros(b.cout_rachat)),
                 q(calc::euros(b.gain)),
                 b.rentable_apres ? QString("rentable après la %1e mensualité du nouveau prêt.").arg(*b.rentable_apres)
                                  : QString("jamais rentable.")));
}
