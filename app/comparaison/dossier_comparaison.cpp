// The comparison window's dossier and its file: new, open, save, and the
// question before anything typed would be lost.
#include "comparaison/fenetre_comparaison.h"

#include "commun/fichiers.h"
#include "commun/messages.h"
#include "comparaison/recents.h"
#include "credit/fichier_dossier.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace {

const char* const filtre = "Dossiers Tarvio (*.tarvio)";

calc::Message message(const std::string& texte, calc::Icone icone = calc::Icone::critique)
{
    return {texte, "Dossier", icone};
}

}  // namespace

void FenetreComparaison::nouveau()
{
    dossier_ = {};
    chemin_.clear();
    setWindowModified(false);
    afficher();
}

void FenetreComparaison::choisir_et_ouvrir()
{
    QString chemin = QFileDialog::getOpenFileName(this, "Ouvrir un dossier", QFileInfo(chemin_).path(), filtre);
    if (!chemin.isEmpty())
        ouvrir(chemin);
}

bool FenetreComparaison::ouvrir(const QString& chemin)
{
    if (!peut_abandonner())
        return false;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        afficher_message(this, message("Le fichier « " + chemin.toStdString() +
                                       " » n'a pas pu être ouvert : " + fichier.errorString().toStdString() + "."));
        return false;
    }
    QByteArray texte = fichier.readAll();
    credit::LectureDossier lecture = credit::lire_dossier(std::string_view(texte.constData(), texte.size()));
    if (!lecture.dossier) {
        afficher_message(this, message("Le dossier « " + QFileInfo(chemin).fileName().toStdString() +
                                       " » n'a pas été ouvert.\r\n" + lecture.erreur));
        return false;
    }
    dossier_ = *lecture.dossier;
    chemin_ = chemin;
    retenir_dossier(chemin);
    setWindowModified(false);
    afficher();
    return true;
}

bool FenetreComparaison::enregistrer()
{
    return chemin_.isEmpty() ? enregistrer_sous() : ecrire(chemin_);
}

bool FenetreComparaison::enregistrer_sous()
{
    QFileDialog choix(this, "Enregistrer le dossier",
                      chemin_.isEmpty() ? QDir::home().filePath("dossier.tarvio") : chemin_, filtre);
    choix.setAcceptMode(QFileDialog::AcceptSave);
    choix.setDefaultSuffix("tarvio");
    return choix.exec() == QDialog::Accepted && ecrire(choix.selectedFiles().value(0));
}

// Whole or not at all; a failure keeps the dossier open and changed, and offers another place.
bool FenetreComparaison::ecrire(const QString& chemin)
{
    QString raison = ecrire_entier(chemin, QByteArray::fromStdString(credit::ecrire_dossier(dossier_)));
    if (raison.isEmpty()) {
        chemin_ = chemin;
        retenir_dossier(chemin);
        setWindowModified(false);
        afficher();
        return true;
    }
    if (demander(this, message("Le dossier n'a pas pu être enregistré : " + raison.toStdString() +
                               "\r\nVoulez-vous l'enregistrer ailleurs ?")))
        return enregistrer_sous();
    return false;
}

bool FenetreComparaison::peut_abandonner()
{
    if (!isWindowModified())
        return true;
    QString nom = chemin_.isEmpty() ? "Nouveau dossier" : QFileInfo(chemin_).completeBaseName();
    switch (demander_enregistrement(this,
                                    message("Enregistrer les modifications du dossier « " + nom.toStdString() + " » ?",
                                            calc::Icone::exclamation))) {
    case Choix::enregistrer: return enregistrer();
    case Choix::ne_pas_enregistrer: return true;
    case Choix::annuler: return false;
    }
    return false;
}

void FenetreComparaison::closeEvent(QCloseEvent* evenement)
{
    if (peut_abandonner())
        evenement->accept();
    else
        evenement->ignore();
}
