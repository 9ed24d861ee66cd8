#include "echeancier/editeur_evenements.h"

#include "commun/bouton.h"
#include "commun/textes.h"
#include "credit/plan_evenements.h"
#include "echeancier/dialogue_evenement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

EditeurEvenements::EditeurEvenements(QWidget* parent) : QWidget(parent)
{
    setObjectName("evenements");
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    auto* titre = new QLabel("Événements (remboursements anticipés, renégociation…) :");
    v->addWidget(titre);
    liste_ = new QListWidget;
    liste_->setObjectName("liste_evenements");
    liste_->setAccessibleName("Événements du prêt");
    titre->setBuddy(liste_);
    v->addWidget(liste_);
    auto* boutons = new QHBoxLayout;
    auto bouton = [&](const char* nom, const QString& texte, void (EditeurEvenements::*quoi)()) {
        QPushButton* b = creer_bouton(texte);
        b->setObjectName(nom);
        connect(b, &QPushButton::clicked, this, quoi);
        boutons->addWidget(b);
    };
    bouton("ajouter_evenement", "Ajouter un événement…", &EditeurEvenements::ajouter);
    bouton("modifier_evenement", "Modifier…", &EditeurEvenements::modifier);
    bouton("supprimer_evenement", "Supprimer", &EditeurEvenements::supprimer);
    v->addLayout(boutons);
    connect(liste_, &QListWidget::itemActivated, this, &EditeurEvenements::modifier);
}

void EditeurEvenements::montrer(const std::vector<credit::Evenement>& evenements)
{
    evenements_ = evenements;
    lister();
}

void EditeurEvenements::lister()
{
    int choisi = liste_->currentRow();
    liste_->clear();
    for (const credit::Evenement& ev : evenements_)
        liste_->addItem(q(credit::decrire(ev)));
    liste_->setCurrentRow(std::min(choisi, liste_->count() - 1));
}

void EditeurEvenements::ajouter()
{
    credit::Evenement nouveau;
    if (!evenements_.empty())
        nouveau.apres_echeance = evenements_.back().apres_echeance + 12;
    DialogueEvenement dialogue(this, nouveau);
    if (dialogue.exec() != QDialog::Accepted)
        return;
    evenements_.push_back(dialogue.evenement());
    lister();
    liste_->setCurrentRow(liste_->count() - 1);
    emit modifie();
}

void EditeurEvenements::modifier()
{
    int i = liste_->currentRow();
    if (i < 0 || i >= static_cast<int>(evenements_.size()))
        return;
    DialogueEvenement dialogue(this, evenements_[static_cast<std::size_t>(i)]);
    if (dialogue.exec() != QDialog::Accepted)
        return;
    evenements_[static_cast<std::size_t>(i)] = dialogue.evenement();
    lister();
    emit modifie();
}

void EditeurEvenements::supprimer()
{
    int i = liste_->currentRow();
    if (i < 0 || i >= static_cast<int>(evenements_.size()))
        return;
    evenements_.erase(evenements_.begin() + i);
    lister();
    emit modifie();
}
