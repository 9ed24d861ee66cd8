#include "capacite/fenetre_capacite.h"

#include "calc/nombres.h"
#include "commun/bouton.h"
#include "commun/formulaire.h"
#include "commun/textes.h"

#include <QShortcut>
#include <QVBoxLayout>

namespace {

QString duree_en_mois(int mois)
{
    QString ans = mois >= 12 ? QString("%1 an%2").arg(mois / 12).arg(mois >= 24 ? "s" : "") : QString();
    QString reste = mois % 12 ? QString("%1 mois").arg(mois % 12) : QString();
    return (ans.isEmpty() || reste.isEmpty() ? ans + reste : ans + " et " + reste) +
           QString(" (%1 mensualités)").arg(mois);
}

}  // namespace

FenetreCapacite::FenetreCapacite(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("Capacite");
    setWindowTitle("Combien emprunter ?");
    auto* v = new QVBoxLayout(this);
    auto* f = new QFormLayout;
    v->addLayout(f);
    revenu_ = champ(f, "revenu_mensuel", "Revenu net mensuel du ménage", "€");
    charges_ = champ(f, "charges_mensuelles", "Autres crédits, par mois", "€");
    endettement_ = champ(f, "endettement", "Taux d'endettement à tenir", "%");
    endettement_->setText("35");
    taux_ = champ(f, "taux", "Taux nominal annuel", "%");
    duree_ = champ(f, "duree", "Durée", "ans");
    assurance_ = champ(f, "taux_assurance", "Assurance, taux annuel du capital", "%");
    montant_ = champ(f, "montant", "Ou, pour ce montant, la durée nécessaire", "€");
    resultat_ = etiquette_de_resultat("resultat");
    v->addWidget(resultat_);
    erreurs_ = etiquette_en_rouge("erreurs");
    v->addWidget(erreurs_);
    ajouter_ = creer_bouton("&Ajouter à la comparaison");
    ajouter_->setObjectName("ajouter_comparaison");
    connect(ajouter_, &QPushButton::clicked, this, [this] {
        if (pret_)
            ajouter_a_la_comparaison({.nom = "Capacité : " + calc::euros(pret_->capital), .prets = {*pret_}});
    });
    v->addWidget(ajouter_);
    v->addStretch();
    for (QLineEdit* c : findChildren<QLineEdit*>())
        connect(c, &QLineEdit::textChanged, this, &FenetreCapacite::recalculer);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    recalculer();
}

std::optional<credit::DemandeCapacite> FenetreCapacite::lire(QStringList& erreurs) const
{
    LecteurDeFormulaire l("Capacité");
    auto revenu = l.nombre(revenu_, "€", 0.01, credit::capital_maxi, "un montant en euros", true);
    auto charges = l.nombre(charges_, "€", 0, credit::capital_maxi, "un montant en euros");
    auto endettement = l.nombre(endettement_, "%", 0.01, 100, "un taux de 0,01 à 100 %", true);
    auto taux = l.nombre(taux_, "%", 0, credit::taux_annuel_maxi * 100, "un taux en %, par exemple 3,45", true);
    auto duree = l.nombre(duree_, "ans", 1.0 / 12, 100, "une durée en années, par exemple 25", true);
    auto assurance = l.nombre(assurance_, "%", 0, credit::taux_annuel_maxi * 100, "un taux en %, par exemple 0,30");
    erreurs = l.erreurs;
    if (!revenu || !endettement || !taux || !duree || !erreurs.isEmpty())
        return std::nullopt;
    return credit::DemandeCapacite{*revenu,
                                   charges.value_or(0),
                                   calc::centieme(*endettement),
                                   calc::centieme(*taux),
                                   static_cast<int>(std::lround(*duree * 12)),
                                   calc::centieme(assurance.value_or(0))};
}

void FenetreCapacite::recalculer()
{
    QStringList erreurs;
    auto demande = lire(erreurs);
    pret_.reset();
    QStringList lignes;
    if (auto c = demande ? credit::capacite(*demande) : std::nullopt) {
        QString montant = q(calc::montant(c->montant));
        montant.chop(3);  // whole euros: ",00" says nothing
        lignes << "Montant maximal : " + montant + " €"
               << "Mensualité avec assurance : " + q(calc::euros(c->echeance_avec_assurance))
               << "Reste à vivre : " + q(calc::euros(c->reste_a_vivre)) + " par mois";
        pret_ = credit::Pret{.capital = c->montant,
                             .taux_annuel = demande->taux_annuel,
                             .nb_echeances = demande->nb_echeances,
                             .assurances = {{.taux = demande->taux_assurance}}};
    } else if (demande) {
        lignes << "Ce revenu ne permet d'emprunter aucun montant à ce taux d'endettement.";
    }
    auto montant = calc::virg_unite(texte(montant_), "€");
    if (demande && montant) {
        auto mois = credit::duree_necessaire(*demande, *montant);
        lignes << "Durée nécessaire pour " + q(calc::euros(*montant)) + " : " +
                      (mois ? duree_en_mois(*mois) : QString("aucune durée ne suffit"));
    }
    resultat_->setText(lignes.join('\n'));
    erreurs_->setText(erreurs.join('\n'));
    ajouter_->setEnabled(pret_.has_value());
}
