#include "echeancier/formulaire_offre.h"

#include "calc/nombres.h"
#include "commun/formulaire.h"
#include "commun/textes.h"
#include "echeancier/champs_pret.h"
#include "echeancier/editeur_evenements.h"

#include <QGroupBox>
#include <QLabel>

#include <utility>

namespace {

QGroupBox* groupe(const QString& titre, QFormLayout*& formulaire)
{
    auto* boite = new QGroupBox(titre);
    formulaire = new QFormLayout(boite);
    return boite;
}

}  // namespace

FormulaireOffre::FormulaireOffre(QWidget* parent) : QWidget(parent)
{
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->addWidget(creer_pret());
    colonne->addWidget(creer_assurance_et_frais());
    colonne->addWidget(creer_evenements());
    colonne->addWidget(creer_situation());
    colonne->addStretch();
    for (QLineEdit* c : findChildren<QLineEdit*>())
        connect(c, &QLineEdit::textChanged, this, &FormulaireOffre::modifie);
    for (QComboBox* l : findChildren<QComboBox*>())
        connect(l, &QComboBox::currentIndexChanged, this, &FormulaireOffre::modifie);
}

QWidget* FormulaireOffre::creer_pret()
{
    QFormLayout* f;
    QGroupBox* boite = groupe("Le prêt", f);
    pret_ = creer_champs_pret(f);
    premiere_echeance_ = champ(f, "premiere_echeance", "Première échéance le (facultatif)", "JJ/MM/AAAA");
    return boite;
}

QWidget* FormulaireOffre::creer_evenements()
{
    auto* boite = new QGroupBox("La vie du prêt");
    auto* v = new QVBoxLayout(boite);
    evenements_ = new EditeurEvenements;
    v->addWidget(evenements_);
    connect(evenements_, &EditeurEvenements::modifie, this, &FormulaireOffre::modifie);
    return boite;
}

QWidget* FormulaireOffre::creer_assurance_et_frais()
{
    using credit::BaseAssurance;
    QFormLayout* f;
    QGroupBox* boite = groupe("Assurance et frais", f);
    taux_assurance_ = champ(f, "taux_assurance", "Taux d'assurance annuel", "%");
    base_assurance_ = liste<BaseAssurance>(f, "base_assurance", "Calculé sur",
                                           {{"le capital initial", BaseAssurance::capital_initial},
                                            {"le capital restant dû", BaseAssurance::capital_restant_du}});
    frais_dossier_ = champ(f, "frais_dossier", "Frais de dossier", "€");
    frais_garantie_ = champ(f, "frais_garantie", "Frais de garantie", "€");
    frais_courtage_ = champ(f, "frais_courtage", "Frais de courtage", "€");
    return boite;
}

QWidget* FormulaireOffre::creer_situation()
{
    QFormLayout* f;
    QGroupBox* boite = groupe("Votre situation (facultatif)", f);
    revenu_ = champ(f, "revenu", "Revenu net mensuel", "€");
    taux_usure_ = champ(f, "taux_usure", "Taux d'usure", "%");
    auto* source = new QLabel("Le taux d'usure change chaque trimestre : la Banque de France le publie au "
                              "Journal officiel et sur banque-france.fr, par catégorie de prêt.");
    source->setWordWrap(true);
    f->addRow(source);
    return boite;
}

credit::SaisieOffre FormulaireOffre::saisie() const
{
    credit::SaisieOffre s;
    s.montant = texte(pret_.montant);
    s.taux = texte(pret_.taux);
    s.nombre = texte(pret_.nombre);
    s.periodes_par_an = valeur_choisie<int>(pret_.periodicite);
    s.amortissement = valeur_choisie<credit::Amortissement>(pret_.amortissement);
    s.en_debut_de_periode = valeur_choisie<bool>(pret_.moment);
    s.taux_assurance = texte(taux_assurance_);
    s.base_assurance = valeur_choisie<credit::BaseAssurance>(base_assurance_);
    s.frais_dossier = texte(frais_dossier_);
    s.frais_garantie = texte(frais_garantie_);
    s.frais_courtage = texte(frais_courtage_);
    s.revenu_mensuel = texte(revenu_);
    s.taux_usure = texte(taux_usure_);
    s.premiere_echeance = texte(premiere_echeance_);
    s.evenements = evenements_->evenements();
    return s;
}

void FormulaireOffre::partir_de(const calc::Depart& depart)
{
    for (auto [c, x] :
         {std::pair{pret_.montant, depart.montant}, {pret_.taux, depart.taux}, {pret_.nombre, double(depart.nombre)}})
        c->setText(q(calc::texte_general(x)));
    choisir(pret_.periodicite, depart.periodes_par_an);
    choisir(pret_.moment, depart.en_debut_de_periode);
}
