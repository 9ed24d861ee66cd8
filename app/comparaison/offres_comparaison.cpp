// The comparison window's offers: the one chosen in its editor, and those
// added, renamed, duplicated, moved or removed.
#include "comparaison/fenetre_comparaison.h"

#include "commun/messages.h"
#include "commun/textes.h"
#include "comparaison/dialogue_rachat.h"
#include "comparaison/echeancier_offre.h"
#include "comparaison/editeur_offre.h"

#include <QInputDialog>
#include <QListWidget>

void FenetreComparaison::ajouter(const credit::OffreBancaire& offre)
{
    credit::Dossier d = dossier_;
    d.offres.push_back(offre);
    changer(std::move(d));
    offres_->setCurrentRow(offres_->count() - 1);
}

void FenetreComparaison::montrer_l_offre_choisie()
{
    int i = offre_choisie();
    editeur_->setEnabled(i >= 0);
    if (i >= 0 && !(editeur_->offre() == dossier_.offres[static_cast<std::size_t>(i)]))
        editeur_->montrer(dossier_.offres[static_cast<std::size_t>(i)]);
    montrer_echeancier();
}

// The buy-back is weighed in a dialog of its own; what it adds is an offer like any other.
void FenetreComparaison::racheter()
{
    int i = offre_choisie();
    if (i < 0)
        return;
    DialogueRachat dialogue(this, dossier_.offres[static_cast<std::size_t>(i)]);
    dialogue.ajouter = [this, &dialogue](const credit::OffreBancaire& offre) {
        ajouter(offre);
        dialogue.accept();
    };
    dialogue.exec();
}

void FenetreComparaison::ouvrir_echeancier()
{
    if (offre_choisie() < 0)
        return;
    if (!echeancier_)
        echeancier_ = new EcheancierOffre(this);
    montrer_echeancier();
    echeancier_->show();
    echeancier_->raise();
    echeancier_->activateWindow();
}

// The schedule follows the chosen offer and what is typed in it; with no offer left it closes.
void FenetreComparaison::montrer_echeancier()
{
    if (!echeancier_)
        return;
    int i = offre_choisie();
    if (i < 0)
        echeancier_->close();
    else
        echeancier_->montrer(dossier_.offres[static_cast<std::size_t>(i)]);
}

int FenetreComparaison::offre_choisie() const
{
    int i = offres_->currentRow();
    return i >= 0 && i < static_cast<int>(dossier_.offres.size()) ? i : -1;
}

void FenetreComparaison::renommer()
{
    int i = offre_choisie();
    if (i < 0)
        return;
    bool ok = false;
    QString nom = QInputDialog::getText(this, "Renommer l'offre", "Nom de l'offre :", QLineEdit::Normal,
                                        q(dossier_.offres[static_cast<std::size_t>(i)].nom), &ok)
                      .trimmed();
    if (!ok || nom.isEmpty())
        return;
    credit::Dossier d = dossier_;
    d.offres[static_cast<std::size_t>(i)].nom = nom.toStdString();
    changer(std::move(d));
}

void FenetreComparaison::dupliquer()
{
    int i = offre_choisie();
    if (i < 0)
        return;
    credit::OffreBancaire copie = dossier_.offres[static_cast<std::size_t>(i)];
    copie.nom += " (copie)";
    ajouter(copie);
}

void FenetreComparaison::deplacer(int pas)
{
    int i = offre_choisie(), j = i + pas;
    if (i < 0 || j < 0 || j >= static_cast<int>(dossier_.offres.size()))
        return;
    credit::Dossier d = dossier_;
    std::swap(d.offres[static_cast<std::size_t>(i)], d.offres[static_cast<std::size_t>(j)]);
    offres_->setCurrentRow(j);
    changer(std::move(d));
}

void FenetreComparaison::supprimer()
{
    int i = offre_choisie();
    if (i < 0)
        return;
    const std::string& nom = dossier_.offres[static_cast<std::size_t>(i)].nom;
    if (!demander(this, {"Supprimer l'offre « " + nom + " » du dossier ?", "Dossier", calc::Icone::exclamation}))
        return;
    credit::Dossier d = dossier_;
    d.offres.erase(d.offres.begin() + i);
    changer(std::move(d));
}
