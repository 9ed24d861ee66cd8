// What leaves the comparison window: a CSV for a spreadsheet, a printout, its preview.
#include "comparaison/fenetre_comparaison.h"

#include "commun/fichiers.h"
#include "commun/messages.h"
#include "comparaison/modele_comparaison.h"
#include "impression/document_imprime.h"
#include "impression/impression.h"
#include "report/comparaison_imprimee.h"

#include <QDir>
#include <QFileDialog>

void FenetreComparaison::exporter()
{
    QFileDialog choix(this, "Exporter la comparaison", QDir::home().filePath("comparaison.csv"),
                      "Fichiers CSV (*.csv)");
    choix.setAcceptMode(QFileDialog::AcceptSave);
    choix.setDefaultSuffix("csv");
    if (choix.exec() != QDialog::Accepted)
        return;
    QString chemin = choix.selectedFiles().value(0);
    QString raison = ecrire_entier(chemin, QByteArray::fromStdString(credit::texte_csv(modele_->comparaison())));
    if (!raison.isEmpty())
        afficher_message(this, {"La comparaison n'a pas pu être exportée : " + raison.toStdString(), "Exporter",
                                calc::Icone::critique});
}

void FenetreComparaison::imprimer_comparaison()
{
    rapport::Document document = rapport::comparaison(dossier_, modele_->comparaison(), date_du_jour().toStdString());
    imprimer(this, {"Imprimer", "Comparaison des offres", "la comparaison", "comparaison.pdf",
                    [&](QPrinter& imprimante, const Suivi& suivi) { return jouer(document, imprimante, suivi); },
                    [&](QPrinter& imprimante) { return nombre_de_pages(document, imprimante); }});
}

void FenetreComparaison::apercu_comparaison()
{
    rapport::Document document = rapport::comparaison(dossier_, modele_->comparaison(), date_du_jour().toStdString());
    apercu(this, "Comparaison des offres", [&](QPrinter& p) { jouer(document, p); });
}
