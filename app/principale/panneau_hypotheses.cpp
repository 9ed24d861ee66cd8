#include "principale/panneau_hypotheses.h"

#include "calc/remboursement.h"
#include "commun/champ_nombre.h"
#include "commun/messages.h"
#include "commun/textes.h"
#include "principale/grille.h"
#include "principale/panneau_choix.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

using P = PanneauHypotheses;
using S = calc::SaisieHypotheses;
using R = rapport::Hypotheses;

const char* const bulle_montant = "Entrez ici le montant à emprunter";

}  // namespace

// clang-format off
const Controle<P, S, R> PanneauHypotheses::controles_[] = {
    {&P::montant_, {"Text1", {1680, 240, 975, 285}, "0.00", bulle_montant, "Montant de l'emprunt", 1},
     {"Label1", {120, 240}, "Montant de l'emprunt :.............."}, &S::montant, &R::montant},
    {&P::duree_mini_, {"Text2", {2040, 480, 615, 285}, "0",
                       "Nonbre MINIMUM de périodes pendant lesquelles vous pensez rembourser", "Périodes minimum", 11},
     {"Label2", {120, 480}, "Périodes MINI :..................."}, &S::duree_mini, &R::duree_mini},
    {&P::duree_maxi_, {"Text3", {2040, 720, 615, 285}, "0",
                       "Nonbre MAXIMUM de périodes pendant lesquelles vous pensez rembourser", "Périodes maximum", 12},
     {"Label5", {120, 720}, "Périodes MAXI :.................."}, &S::duree_maxi, &R::duree_maxi},
    {&P::taux_mini_, {"Combo1", {2040, 960, 615, 315}, "Mini", "Choisissez le taux d'intéret MINIMUM !",
                      "Taux d'intérêt minimum", 13},
     {"Label3", {120, 960}, "Taux d'intéret MINI :......................"}, &S::taux_mini, &R::taux_mini},
    {&P::taux_maxi_, {"Combo2", {2040, 1200, 615, 315}, "Maxi", "Choisissez le taux d'intéret MAXIMUM !",
                      "Taux d'intérêt maximum", 14},
     {"Label4", {120, 1200}, "Taux d'intéret MAXI :......................."}, &S::taux_maxi, &R::taux_maxi},
    {&P::calculer_, {"Command1", {240, 1560, 2175, 255}, "Calculer maintenant",
                     "Lancer le calcul des hypothèses de crédit", "Calculer le tableau d'hypothèses", 2}},
};
// clang-format on

PanneauHypotheses::PanneauHypotheses(QWidget* parent, const PanneauChoix& choix, GrilleHypotheses& grille)
    : Panneau(parent, "Frame3", {120, 2280, 2775, 1935}, "Hypothèse de crédit"), choix_(choix), grille_(grille)
{
    construire(controles_);
    connect(calculer_, &QPushButton::clicked, this, &P::calculer_tableau);
    connect(&grille_, &QTableView::clicked, this, &P::afficher_total);
    for (QWidget* surface : grille_.surfaces())
        surface->installEventFilter(this);
}

calc::SaisieHypotheses PanneauHypotheses::saisie() const
{
    calc::SaisieHypotheses s = lire_saisie(controles_);
    s.en_annees = choix_.en_annees();
    return s;
}

// Every check runs and shows its refusal; the table is built only when none failed.
void PanneauHypotheses::calculer_tableau()
{
    flag_erreur_ = "0";
    calc::Verification v = calc::verifier_hypotheses(saisie());
    for (const calc::Refus& refus : v.refus) {
        afficher_message(window(), refus.message);
        if (refus.vider_montant)
            montant_->clear();
        if (refus.vider_durees) {
            duree_mini_->clear();
            duree_maxi_->clear();
        }
    }
    flag_erreur_ = QString::number(static_cast<int>(v.code_erreur));
    if (!calc::tableau_permis(v))
        return;
    tableau_ = calc::prepare_grille(saisie());
    grille_.afficher(tableau_);
    double montant = valeur(montant_);
    grille_.modele()->remplir(calc::calcul_hypotheses(tableau_, montant, choix_.formule(), choix_.en_annees()));
}

// The total is read from the cell as shown and the periods box as it is now.
void PanneauHypotheses::afficher_total(const QModelIndex& cellule)
{
    if (montant_->au_depart())
        return;
    grille_.setCurrentIndex(cellule);
    auto message = calc::detail_remboursement(grille_.modele()->texte(cellule).toStdString(), texte(duree_mini_),
                                              cellule.column() + 1, choix_.en_annees());
    if (!message)
        return;
    grille_.modele()->marquer(cellule);
    afficher_message(window(), *message);
    grille_.modele()->demarquer();
    quand_calcule(calc::depart_de_la_case(tableau_, valeur(montant_), cellule.row(), cellule.column(), choix_.formule(),
                                          choix_.en_annees()));
}

bool PanneauHypotheses::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() != QEvent::MouseButtonPress ||
        static_cast<QMouseEvent*>(evenement)->button() != Qt::RightButton)
        return Panneau::eventFilter(objet, evenement);
    afficher_message(window(), {"Pas le bouton droit S.V.P. !"});
    return true;
}

rapport::Hypotheses PanneauHypotheses::pour_rapport() const
{
    rapport::Hypotheses r = lire_rapport(controles_);
    r.utilise = !montant_->au_depart();
    r.nb_colonnes = tableau_.nb_colonnes;
    return r;
}
