#include "panneau_hypotheses.h"

#include "apparence.h"
#include "champ_nombre.h"
#include "grille.h"
#include "messages.h"
#include "panneau_choix.h"
#include "remboursement.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

PanneauHypotheses::PanneauHypotheses(QWidget* parent, const PanneauChoix& choix, GrilleHypotheses& grille)
    : Panneau(parent, "Frame3", {120, 2280, 2775, 1935}, "Hypothèse de crédit"), choix_(choix), grille_(grille)
{
    using P = PanneauHypotheses;
    const char* const bulle_montant = "Entrez ici le montant à emprunter";
    const Controle<P> table[] = {
        {&P::legende_montant_, {"Label1", {120, 240}, "Montant de l'emprunt :.............."}},
        {&P::montant_, {"Text1", {1680, 240, 975, 285}, "0.00", bulle_montant}},
        {&P::legende_duree_mini_, {"Label2", {120, 480}, "Périodes MINI :..................."}},
        {&P::duree_mini_,
         {"Text2", {2040, 480, 615, 285}, "0", "Nonbre MINIMUM de périodes pendant lesquelles vous pensez rembourser"}},
        {&P::legende_duree_maxi_, {"Label5", {120, 720}, "Périodes MAXI :.................."}},
        {&P::duree_maxi_,
         {"Text3", {2040, 720, 615, 285}, "0", "Nonbre MAXIMUM de périodes pendant lesquelles vous pensez rembourser"}},
        {&P::legende_taux_mini_, {"Label3", {120, 960}, "Taux d'intéret MINI :......................"}},
        {&P::taux_mini_, {"Combo1", {2040, 960, 615, 315}, "Mini", "Choisissez le taux d'intéret MINIMUM !"}},
        {&P::legende_taux_maxi_, {"Label4", {120, 1200}, "Taux d'intéret MAXI :......................."}},
        {&P::taux_maxi_, {"Combo2", {2040, 1200, 615, 315}, "Maxi", "Choisissez le taux d'intéret MAXIMUM !"}},
        {&P::calculer_,
         {"Command1", {240, 1560, 2175, 255}, "Calculer maintenant", "Lancer le calcul des hypothèses de crédit"}},
    };
    construire(*this, table);
    connect(calculer_, &QPushButton::clicked, this, &P::calculer_tableau);
    connect(&grille_, &QTableView::clicked, this, &P::afficher_total);
    for (QWidget* surface : grille_.surfaces())
        surface->installEventFilter(this);
}

calc::SaisieHypotheses PanneauHypotheses::saisie() const
{
    return {texte(montant_),   texte(duree_mini_), texte(duree_maxi_),
            texte(taux_mini_), texte(taux_maxi_),  choix_.en_annees()};
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
    flag_erreur_ = QString::number(v.code_erreur);
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
    quand_calcule(depart(cellule));
}

// The constant instalments of the table are due at the start of each period.
calc::Depart PanneauHypotheses::depart(const QModelIndex& cellule) const
{
    auto ligne = static_cast<std::size_t>(cellule.row()), colonne = static_cast<std::size_t>(cellule.column());
    calc::Depart d;
    d.montant = valeur(montant_);
    d.taux = ligne < tableau_.taux.size() ? tableau_.taux[ligne] : 0;
    d.nombre = colonne < tableau_.durees.size() ? tableau_.durees[colonne] : 0;
    d.periodes_par_an = choix_.en_annees() ? 1 : 12;
    d.en_debut_de_periode = choix_.formule() == 2;
    if (!d.en_debut_de_periode)
        d.note = "Le tableau d'amortissement suit la méthode des annuités, celle des banques, et non la formule « " +
                 choix_.nom_formule().toStdString() + " » de la fenêtre principale.";
    return d;
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
    return {
        .utilise = !montant_->au_depart(),
        .montant = champ_du_rapport(legende_montant_, texte(montant_)),
        .duree_mini = champ_du_rapport(legende_duree_mini_, texte(duree_mini_)),
        .duree_maxi = champ_du_rapport(legende_duree_maxi_, texte(duree_maxi_)),
        .taux_mini = champ_du_rapport(legende_taux_mini_, texte(taux_mini_)),
        .taux_maxi = champ_du_rapport(legende_taux_maxi_, texte(taux_maxi_)),
        .nb_colonnes = tableau_.nb_colonnes,
    };
}
