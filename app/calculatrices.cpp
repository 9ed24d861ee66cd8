#include "calculatrices.h"

#include "apparence.h"
#include "champ_nombre.h"
#include "messages.h"
#include "panneau_choix.h"

#include <QLabel>
#include <QPushButton>

namespace {

const char* const bulle_montant = "Entrez ici le montant à emprunter";
const char* const bulle_echeances = "Entrez ici le montant de vos échéances";

}  // namespace

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
}

PanneauMensualites::PanneauMensualites(QWidget* parent, PanneauChoix& choix)
    : Calculatrice(parent, "Frame4", {120, 4320, 2775, 1695}, "Nb Mensualité", choix)
{
    using P = PanneauMensualites;
    const Controle<P> table[] = {
        {&P::legende_montant_, {"Label6", {120, 240}, "Somme empruntée :......"}},
        {&P::montant_, {"Text4", {1920, 240, 735, 285}, "0", bulle_montant}},
        {&P::legende_taux_, {"Label7", {120, 480}, "Taux d'interet :.............."}},
        {&P::taux_, {"Text5", {1920, 480, 495, 285}, "0.00", "Entrez ici le taux d'intéret"}},
        {&P::pour_cent_, {"Label8", {2400, 480}, " %"}},
        {&P::legende_echeance_, {"Label9", {120, 720}, "Montant remboursement"}},
        {&P::echeance_, {"Text6", {1920, 720, 735, 285}, "0", bulle_echeances}},
        {&P::calculer_,
         {"Command3", {240, 1320, 2175, 255}, "Calculer maintenant", "Lancer le calcul du nombres des échéances"}},
    };
    construire(*this, table);
    pour_cent_->setFont(police("Arial", 9.75));
    pour_cent_->adjustSize();
    resultat_ = creer_resultat(this, "Label10", {120, 1080}, 9);
    resultat_->hide();
    connect(calculer_, &QPushButton::clicked, this, &P::calculer);
}

void PanneauMensualites::calculer()
{
    resultat_->setText("");
    calc::Resultat r = calc::nb_mens({texte(montant_), texte(taux_), texte(echeance_), choix_.en_annees()});
    appliquer(r);
    if (!r.valeur)
        return;
    double taux = valeur(taux_);
    quand_calcule({.montant = valeur(montant_),
                   .taux = taux > 1 ? taux : taux * 100,
                   .nombre = static_cast<int>(*r.valeur),
                   .periodes_par_an = choix_.en_annees() ? 1 : 12,
                   .note = {}});
}

rapport::Mensualites PanneauMensualites::pour_rapport() const
{
    return {
        .utilise = !montant_->au_depart(),
        .montant = champ_du_rapport(legende_montant_, texte(montant_)),
        .taux = champ_du_rapport(legende_taux_, texte(taux_)),
        .echeance = champ_du_rapport(legende_echeance_, texte(echeance_)),
        .resultat = resultat_->text().toStdString(),
    };
}

PanneauTaux::PanneauTaux(QWidget* parent, PanneauChoix& choix)
    : Calculatrice(parent, "Frame5", {3360, 4800, 4695, 1215}, "Calcul du taux d'intéret", choix)
{
    using P = PanneauTaux;
    const Controle<P> table[] = {
        {&P::legende_montant_, {"Label11", {120, 240}, "Montant de l'emprunt :.................."}},
        {&P::montant_, {"Text7", {2040, 240, 735, 285}, "0", bulle_montant}},
        {&P::legende_echeance_, {"Label12", {120, 480}, "Montant des mensualités : ...."}},
        {&P::echeance_, {"Text8", {2040, 480, 735, 285}, "0", bulle_echeances}},
        {&P::legende_nombre_, {"Label13", {120, 720}, "Nb. mensualités :........................."}},
        {&P::nombre_, {"Text9", {2040, 720, 735, 285}, "0", "Entrez ici le nombre de vos échéances"}},
        {&P::calculer_,
         {"Command2", {2880, 240, 1695, 255}, "Calcul maintenant", "Lancer le calcul du taux d'intéret"}},
    };
    construire(*this, table);
    resultat_ = creer_resultat(this, "Label14", {2880, 600}, 9.75);
    suivre_unite(choix_.en_annees());
    connect(&choix_, &PanneauChoix::unite_changee, this, &P::suivre_unite);
    connect(calculer_, &QPushButton::clicked, this, &P::calculer);
}

void PanneauTaux::calculer()
{
    calc::Resultat r =
        calc::calcul_taux({texte(montant_), texte(echeance_), texte(nombre_), choix_.formule(), choix_.en_annees()});
    appliquer(r);
    if (!r.valeur)
        return;
    quand_calcule({.montant = valeur(montant_),
                   .taux = *r.valeur,
                   .nombre = static_cast<int>(valeur(nombre_)),
                   .note = choix_.formule() == 2 ? ""
                                                 : "Ce taux vient de la formule des intérêts simples ; le tableau "
                                                   "d'amortissement suit la méthode des annuités."});
}

void PanneauTaux::suivre_unite(bool en_annees)
{
    colorer(this, {QPalette::WindowText}, en_annees ? couleurs::rouge : QColor(Qt::black));
    setTitle(en_annees ? "Calcul du taux d'intéret - ATTENTION : Uniquement en mois !" : "Calcul du taux d'intéret");
}

rapport::Taux PanneauTaux::pour_rapport() const
{
    return {
        .utilise = !montant_->au_depart(),
        .montant = champ_du_rapport(legende_montant_, texte(montant_)),
        .echeance = champ_du_rapport(legende_echeance_, texte(echeance_)),
        .nombre = champ_du_rapport(legende_nombre_, texte(nombre_)),
        .resultat = resultat_->text().toStdString(),
    };
}
