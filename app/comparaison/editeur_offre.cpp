#include "comparaison/editeur_offre.h"

#include "calc/nombres.h"
#include "commun/bouton.h"
#include "commun/formulaire.h"
#include "commun/textes.h"
#include "comparaison/editeur_pret.h"
#include "credit/deroulement.h"
#include "credit/lissage.h"

#include <QCheckBox>

#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

using Sorte = credit::Clause::Sorte;
const char* const montant = "un montant en euros";

}  // namespace

EditeurOffre::EditeurOffre(QWidget* parent) : QWidget(parent)
{
    setObjectName("offre");
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(creer_prets(), 1);
    v->addWidget(creer_offre());
    erreurs_ = etiquette_en_rouge("erreurs_offre");
    v->addWidget(erreurs_);
}

QWidget* EditeurOffre::creer_offre()
{
    auto* boite = new QWidget;
    auto* f = new QFormLayout(boite);
    f->setContentsMargins(0, 0, 0, 0);
    credit_ = liste<credit::Credit>(
        f, "credit", "Crédit",
        {{"immobilier", credit::Credit::immobilier}, {"à la consommation", credit::Credit::consommation}});
    dossier_ = champ(f, "frais_dossier", "Frais de dossier", "€");
    courtage_ = champ(f, "frais_courtage", "Frais de courtage", "€");
    garantie_ = champ(f, "frais_garantie", "Frais de garantie", "€");
    restituee_ = champ(f, "garantie_restituee", "Garantie rendue à la fin", "€");
    indemnites_ = liste<Sorte>(
        f, "indemnites", "Indemnités de remboursement anticipé",
        {{"le maximum légal", Sorte::legale}, {"aucune", Sorte::aucune}, {"un taux de la clause", Sorte::taux_propre}});
    taux_indemnites_ = champ(f, "taux_indemnites", "Taux de la clause", "%");
    taeg_ = champ(f, "taeg_annonce", "TAEG annoncé", "%");
    echeance_ = champ(f, "echeance_annoncee", "Échéance annoncée", "€");
    lissage_ = rangee(f, new QCheckBox("le premier prêt complète les autres jusqu'à un versement constant"),
                      "lissage", "Lissage");
    lissage_assurance_ = rangee(f, new QCheckBox("versement lissé assurance comprise"), "lissage_assurance",
                                "Lissage avec l'assurance");
    for (QCheckBox* c : {lissage_, lissage_assurance_})
        connect(c, &QCheckBox::toggled, this, &EditeurOffre::lire);
    for (QLineEdit* c : boite->findChildren<QLineEdit*>())
        connect(c, &QLineEdit::textEdited, this, &EditeurOffre::lire);
    for (QComboBox* l : boite->findChildren<QComboBox*>())
        connect(l, &QComboBox::activated, this, &EditeurOffre::lire);
    return boite;
}

// A tab a loan, and the buttons that add one or remove the one shown.
QWidget* EditeurOffre::creer_prets()
{
    auto* boite = new QWidget;
    auto* v = new QVBoxLayout(boite);
    v->setContentsMargins(0, 0, 0, 0);
    prets_ = new QTabWidget;
    prets_->setObjectName("prets");
    v->addWidget(prets_, 1);
    auto* boutons = new QHBoxLayout;
    QPushButton* ajouter = creer_bouton("Ajouter un prêt");
    ajouter->setObjectName("ajouter_pret");
    QPushButton* retirer = creer_bouton("Retirer ce prêt");
    retirer->setObjectName("retirer_pret");
    connect(ajouter, &QPushButton::clicked, this, [this] {
        prets_->setCurrentWidget(ajouter_onglet());
        lire();
    });
    connect(retirer, &QPushButton::clicked, this, [this] {
        if (prets_->count() > 1)
            delete prets_->currentWidget();
        lire();
    });
    boutons->addWidget(ajouter);
    boutons->addWidget(retirer);
    v->addLayout(boutons);
    return boite;
}

EditeurPret* EditeurOffre::ajouter_onglet()
{
    auto* pret = new EditeurPret;
    auto* defilement = new QScrollArea;  // a loan's fields and events outgrow the column
    defilement->setWidget(pret);
    defilement->setWidgetResizable(true);
    defilement->setFrameShape(QFrame::NoFrame);
    prets_->addTab(defilement, QString("Prêt %1").arg(prets_->count() + 1));
    connect(pret, &EditeurPret::modifie, this, &EditeurOffre::lire);
    return pret;
}

void EditeurOffre::montrer(const credit::OffreBancaire& o)
{
    offre_ = o;
    while (prets_->count() > 0)
        delete prets_->widget(0);
    for (const credit::Pret& p : o.prets)
        ajouter_onglet()->montrer(p);
    choisir(credit_, o.credit);
    dossier_->setText(texte_du_nombre(o.frais.dossier));
    courtage_->setText(texte_du_nombre(o.frais.courtage));
    garantie_->setText(texte_du_nombre(o.frais.garantie));
    restituee_->setText(texte_du_nombre(o.frais.garantie_restituee));
    choisir(indemnites_, o.indemnites.sorte);
    taux_indemnites_->setText(o.indemnites.sorte == Sorte::taux_propre ? texte_du_nombre(o.indemnites.taux * 100) : "");
    taeg_->setText(o.annonce.taeg ? texte_du_nombre(*o.annonce.taeg * 100) : "");
    echeance_->setText(texte_du_nombre(o.annonce.echeance));
    for (auto [case_a_cocher, cochee] : {std::pair{lissage_, o.lissage.has_value()},
                                         {lissage_assurance_, !o.lissage || o.lissage->avec_assurance}}) {
        QSignalBlocker silence(case_a_cocher);
        case_a_cocher->setChecked(cochee);
    }
    erreurs_->clear();
}

void EditeurOffre::lire()
{
    LecteurDeFormulaire l("Offre");
    credit::OffreBancaire o = offre_;
    o.prets.clear();
    for (int i = 0; i < prets_->count(); ++i) {
        LecteurDeFormulaire du_pret(QString("Prêt %1").arg(i + 1));
        auto p = static_cast<EditeurPret*>(static_cast<QScrollArea*>(prets_->widget(i))->widget())->lire(du_pret);
        l.erreurs << du_pret.erreurs;
        if (p)
            o.prets.push_back(*p);
    }
    o.credit = valeur_choisie<credit::Credit>(credit_);
    o.frais = {l.nombre(dossier_, "€", 0, credit::capital_maxi, montant).value_or(0),
               l.nombre(courtage_, "€", 0, credit::capital_maxi, montant).value_or(0),
               l.nombre(garantie_, "€", 0, credit::capital_maxi, montant).value_or(0),
               l.nombre(restituee_, "€", 0, credit::capital_maxi, montant).value_or(0)};
    o.indemnites = {valeur_choisie<Sorte>(indemnites_), 0};
    if (o.indemnites.sorte == Sorte::taux_propre)
        o.indemnites.taux =
            calc::centieme(l.nombre(taux_indemnites_, "%", 0, 100, "un taux de 0 à 100 %", true).value_or(0));
    auto taeg = l.nombre(taeg_, "%", -99.999, credit::taux_annuel_maxi * 100, "un taux en %");
    o.annonce = {taeg ? std::optional(calc::centieme(*taeg)) : std::nullopt,
                 l.nombre(echeance_, "€", 0, credit::capital_maxi, montant)};
    o.lissage = lissage_->isChecked() ? std::optional(credit::Lissage{lissage_assurance_->isChecked()}) : std::nullopt;
    if (l.erreurs.isEmpty())
        if (auto f = credit::financer(o); !f.erreur.empty())
            l.erreurs << "Offre : " + q(f.erreur) + ".";
    for (std::size_t i = 0; l.erreurs.isEmpty() && i < o.prets.size(); ++i) {
        if (o.prets[i].evenements.empty())
            continue;
        if (auto d = credit::derouler(o.prets[i], o.credit, o.indemnites); !d.erreur.empty())
            l.erreurs << QString("Prêt %1, ").arg(i + 1) + q(d.erreur) + ".";
    }
    erreurs_->setText(l.erreurs.join('\n'));
    if (!l.erreurs.isEmpty() || o == offre_)
        return;
    offre_ = o;
    emit modifiee(offre_);
}
