#include "comparaison/champs_financement.h"

#include "calc/nombres.h"
#include "commun/bouton.h"
#include "commun/formulaire.h"
#include "commun/textes.h"
#include "credit/ptz.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString cellule(const QTableWidget* t, int r, int c)
{
    const QTableWidgetItem* i = t->item(r, c);
    return i ? i->text().trimmed() : QString();
}

}  // namespace

ChampsFinancement::ChampsFinancement(QWidget* parent) : QWidget(parent)
{
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    auto* f = new QFormLayout;
    v->addLayout(f);
    differe_ = champ(f, "differe", "Différé, en échéances", "");
    sorte_differe_ = liste<credit::Differe::Sorte>(
        f, "type_differe", "Pendant le différé",
        {{"payer les intérêts (partiel)", credit::Differe::Sorte::partiel},
         {"ajouter les intérêts au capital (total)", credit::Differe::Sorte::total}});
    paliers_ = new QTableWidget(0, 3);
    paliers_->setObjectName("paliers");
    paliers_->setAccessibleName("Paliers du prêt");
    paliers_->setHorizontalHeaderLabels({"Échéances", "Taux (%)", "Échéance (€)"});
    paliers_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    paliers_->verticalHeader()->hide();
    paliers_->setTabKeyNavigation(false);
    paliers_->setMaximumHeight(paliers_->fontMetrics().height() * 7);
    f->addRow("Paliers (taux ou échéance) :", paliers_);
    auto* boutons = new QHBoxLayout;
    QPushButton* ajouter = creer_bouton("Ajouter un palier");
    ajouter->setObjectName("ajouter_palier");
    QPushButton* retirer = creer_bouton("Retirer le palier");
    retirer->setObjectName("retirer_palier");
    connect(ajouter, &QPushButton::clicked, this, [this] { paliers_->insertRow(paliers_->rowCount()); });
    connect(retirer, &QPushButton::clicked, this, [this] {
        paliers_->removeRow(paliers_->currentRow() >= 0 ? paliers_->currentRow() : paliers_->rowCount() - 1);
        emit modifie();
    });
    boutons->addWidget(ajouter);
    boutons->addWidget(retirer);
    f->addRow(boutons);
    v->addWidget(creer_ptz());
    connect(differe_, &QLineEdit::textEdited, this, &ChampsFinancement::modifie);
    connect(sorte_differe_, &QComboBox::activated, this, &ChampsFinancement::modifie);
    connect(paliers_, &QTableWidget::itemChanged, this, &ChampsFinancement::modifie);
}

QWidget* ChampsFinancement::creer_ptz()
{
    auto* boite = new QGroupBox("Prêt à taux zéro (règles des offres émises depuis le 1er avril 2025)");
    auto* f = new QFormLayout(boite);
    ptz_ = rangee(f, new QCheckBox("ce prêt est un PTZ"), "ptz", "PTZ");
    cout_ = champ(f, "ptz_cout", "Coût de l'opération", "€");
    plafond_ = champ(f, "ptz_plafond", "Plafond (selon la zone et le ménage)", "€");
    tranche_ = liste<int>(f, "ptz_tranche", "Tranche de revenus", {{"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}});
    logement_ = liste<credit::Logement>(f, "ptz_logement", "Logement",
                                        {{"collectif neuf", credit::Logement::collectif_neuf},
                                         {"individuel neuf", credit::Logement::individuel_neuf}});
    QPushButton* appliquer = creer_bouton("Appliquer les règles du PTZ");
    appliquer->setObjectName("appliquer_ptz");
    f->addRow(appliquer);
    connect(appliquer, &QPushButton::clicked, this, [this] {
        LecteurDeFormulaire l("PTZ");
        if (auto ptz = lire_ptz(l); ptz && credit::pret_ptz(*ptz)) {
            credit::Pret p = *credit::pret_ptz(*ptz);
            montrer(p);
            emit ptz_applique(p);
        }
    });
    connect(ptz_, &QCheckBox::toggled, this, &ChampsFinancement::modifie);
    for (QLineEdit* c : {cout_, plafond_})
        connect(c, &QLineEdit::textEdited, this, &ChampsFinancement::modifie);
    for (QComboBox* c : {tranche_, logement_})
        connect(c, &QComboBox::activated, this, &ChampsFinancement::modifie);
    return boite;
}

void ChampsFinancement::montrer(const credit::Pret& p)
{
    differe_->setText(p.differe ? QString::number(p.differe->nb_echeances) : QString());
    choisir(sorte_differe_, p.differe ? p.differe->sorte : credit::Differe::Sorte::partiel);
    QSignalBlocker silence(paliers_);
    paliers_->setRowCount(static_cast<int>(p.paliers.size()));
    for (int r = 0; r < paliers_->rowCount(); ++r) {
        const credit::Palier& palier = p.paliers[static_cast<std::size_t>(r)];
        paliers_->setItem(r, 0, new QTableWidgetItem(QString::number(palier.nb_echeances)));
        paliers_->setItem(r, 1, new QTableWidgetItem(palier.taux_annuel ? texte_du_nombre(*palier.taux_annuel * 100) : ""));
        paliers_->setItem(r, 2, new QTableWidgetItem(texte_du_nombre(palier.echeance)));
    }
    ptz_->setChecked(p.ptz.has_value());
    cout_->setText(p.ptz ? texte_du_nombre(p.ptz->cout_operation) : QString());
    plafond_->setText(p.ptz ? texte_du_nombre(p.ptz->plafond) : QString());
    choisir(tranche_, p.ptz ? p.ptz->tranche : 1);
    choisir(logement_, p.ptz ? p.ptz->logement : credit::Logement::collectif_neuf);
}

std::optional<credit::Ptz> ChampsFinancement::lire_ptz(LecteurDeFormulaire& l) const
{
    auto cout = l.nombre(cout_, "€", 0.01, credit::capital_maxi, "un montant en euros", true);
    auto plafond = l.nombre(plafond_, "€", 0.01, credit::capital_maxi, "un montant en euros", true);
    if (!cout || !plafond)
        return std::nullopt;
    return credit::Ptz{*cout, *plafond, valeur_choisie<int>(tranche_), valeur_choisie<credit::Logement>(logement_)};
}

bool ChampsFinancement::lire(LecteurDeFormulaire& l, credit::Pret& p) const
{
    qsizetype avant = l.erreurs.size();
    if (auto d = l.nombre(differe_, "", 0, credit::nb_echeances_maxi, "un nombre entier d'échéances", false, true);
        d && *d > 0)
        p.differe = credit::Differe{static_cast<int>(*d), valeur_choisie<credit::Differe::Sorte>(sorte_differe_)};
    for (int r = 0; r < paliers_->rowCount(); ++r) {
        QString lieu = QString("palier %1 : ").arg(r + 1);
        auto n = calc::virg(cellule(paliers_, r, 0).toStdString());
        auto taux = calc::virg_unite(cellule(paliers_, r, 1).toStdString(), "%");
        auto echeance = calc::virg_unite(cellule(paliers_, r, 2).toStdString(), "€");
        bool taux_faux = !cellule(paliers_, r, 1).isEmpty() &&
                         !(taux && *taux >= -99.999 && *taux <= credit::taux_annuel_maxi * 100);
        if (!n || *n < 1 || *n != std::floor(*n) || taux_faux ||
            (!cellule(paliers_, r, 2).isEmpty() && !(echeance && *echeance > 0)))
            l.erreurs << l.lieu() + ", " + lieu + "tapez son nombre d'échéances, et son taux en % ou son échéance en €.";
        else
            p.paliers.push_back({static_cast<int>(*n), taux ? std::optional(calc::centieme(*taux)) : std::nullopt,
                                 echeance});
    }
    if (ptz_->isChecked())
        p.ptz = lire_ptz(l);
    return l.erreurs.size() == avant;
}
