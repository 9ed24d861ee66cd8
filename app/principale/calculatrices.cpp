#include "principale/calculatrices.h"

#include "commun/apparence.h"
#include "commun/champ_nombre.h"
#include "commun/messages.h"
#include "commun/textes.h"
#include "principale/panneau_choix.h"

#include <QLabel>
#include <QPushButton>

namespace {

using M = PanneauMensualites;
using SM = calc::SaisieMensualites;
using RM = rapport::Mensualites;
using T = PanneauTaux;
using ST = calc::SaisieTaux;
using RT = rapport::Taux;

const char* const bulle_montant = "Entrez ici le montant à emprunter";
const char* const bulle_echeances = "Entrez ici le montant de vos échéances";

}  // namespace

// clang-format off
const Controle<M, SM, RM> PanneauMensualites::controles_[] = {
    {&M::montant_, {"Text4", {1920, 240, 735, 285}, "0", bulle_montant, "Somme empruntée", 3},
     {"Label6", {120, 240}, "Somme empruntée :......"}, &SM::montant, &RM::montant},
    {&M::taux_, {"Text5", {1920, 480, 495, 285}, "0.00", "Entrez ici le taux d'intéret", "Taux d'intérêt annuel", 4},
     {"Label7", {120, 480}, "Taux d'interet :.............."}, &SM::taux, &RM::taux},
    {&M::echeance_, {"Text6", {1920, 720, 735, 285}, "0", bulle_echeances, "Montant de chaque remboursement", 5},
     {"Label9", {120, 720}, "Montant remboursement"}, &SM::echeance, &RM::echeance},
    {&M::calculer_, {"Command3", {240, 1320, 2175, 255}, "Calculer maintenant",
                     "Lancer le calcul du nombres des échéances", "Calculer le nombre de mensualités", 6}},
};

const Controle<T, ST, RT> PanneauTaux::controles_[] = {
    {&T::montant_, {"Text7", {2040, 240, 735, 285}, "0", bulle_montant,
                    "Montant de l'emprunt pour le calcul du taux", 8},
     {"Label11", {120, 240}, "Montant de l'emprunt :.................."}, &ST::montant, &RT::montant},
    {&T::echeance_, {"Text8", {2040, 480, 735, 285}, "0", bulle_echeances, "Montant des mensualités", 9},
     {"Label12", {120, 480}, "Montant des mensualités : ...."}, &ST::echeance, &RT::echeance},
    {&T::nombre_, {"Text9", {2040, 720, 735, 285}, "0", "Entrez ici le nombre de vos échéances",
                   "Nombre de mensualités", 10},
     {"Label13", {120, 720}, "Nb. mensualités :........................."}, &ST::nombre, &RT::nombre},
    {&T::calculer_, {"Command2", {2880, 240, 1695, 255}, "Calcul maintenant", "Lancer le calcul du taux d'intéret",
                     "Calculer le taux", 7}},
};
// clang-format on

Calculatrice::Calculatrice(QWidget* parent, const char* nom, Place place, const QString& titre, PanneauChoix& choix)
    : Panneau(parent, nom, place, titre), choix_(choix)
{
}

void Calculatrice::appliquer(const calc::Resultat& resultat)
{
    for (const calc::Message& message : resultat.messages)
        afficher_message(window(), message);
    if (resultat.remettre_a_zero)
        for (ChampNombre* champ : findChildren<ChampNombre*>())
            champ->remettre_au_depart();
    if (resultat.revenir_aux_interets_simples)
        choix_.revenir_aux_interets_simples();
    if (resultat.legende) {  // shown first: screen readers announce a change of what they can see
        resultat_->show();
        resultat_->setText(q(*resultat.legende));
        resultat_->adjustSize();
    }
    if (resultat.depart)
        quand_calcule(*resultat.depart);
}

PanneauMensualites::PanneauMensualites(QWidget* parent, PanneauChoix& choix)
    : Calculatrice(parent, "Frame4", {120, 4320, 2775, 1695}, "Nb Mensualité", choix)
{
    construire(controles_);
    // The rate box has no per cent sign of its own: this caption after it shows one.
    QLabel* pour_cent = creer_legende({"Label8", {2400, 480}, " %"});
    pour_cent->setFont(police("Arial", 9.75));
    pour_cent->adjustSize();
    resultat_ = creer_resultat("Label10", {120, 1080}, 9);
    resultat_->hide();
    connect(calculer_, &QPushButton::clicked, this, &M::calculer);
}

void PanneauMensualites::calculer()
{
    resultat_->setText("");
    calc::SaisieMensualites saisie = lire_saisie(controles_);
    saisie.en_annees = choix_.en_annees();
    appliquer(calc::nb_mens(saisie));
}

rapport::Mensualites PanneauMensualites::pour_rapport() const
{
    rapport::Mensualites r = lire_rapport(controles_);
    r.utilise = !montant_->au_depart();
    r.resultat = resultat_->text().toStdString();
    return r;
}

PanneauTaux::PanneauTaux(QWidget* parent, PanneauChoix& choix)
    : Calculatrice(parent, "Frame5", {3360, 4800, 4695, 1215}, "Calcul du taux d'intéret", choix)
{
    construire(controles_);
    resultat_ = creer_resultat("Label14", {2880, 600}, 9.75);
    suivre_unite(choix_.en_annees());
    connect(&choix_, &PanneauChoix::unite_changee, this, &T::suivre_unite);
    connect(calculer_, &QPushButton::clicked, this, &T::calculer);
}

void PanneauTaux::calculer()
{
    calc::SaisieTaux saisie = lire_saisie(controles_);
    saisie.formule = choix_.formule();
    saisie.en_annees = choix_.en_annees();
    appliquer(calc::calcul_taux(saisie));
}

void PanneauTaux::suivre_unite(bool en_annees)
{
    colorer(this, {QPalette::WindowText}, en_annees ? couleurs::rouge : QColor(Qt::black));
    setTitle(en_annees ? "Calcul du taux d'intéret - ATTENTION : Uniquement en mois !" : "Calcul du taux d'intéret");
}

rapport::Taux PanneauTaux::pour_rapport() const
{
    rapport::Taux r = lire_rapport(controles_);
    r.utilise = !montant_->au_depart();
    r.resultat = resultat_->text().toStdString();
    return r;
}
