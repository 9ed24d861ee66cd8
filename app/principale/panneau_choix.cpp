#include "principale/panneau_choix.h"

#include "commun/apparence.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace {

const char* const bulle_duree = "Cocher la case de durée correspondande à votre pret !";

}  // namespace

PanneauChoix::PanneauChoix(QWidget* parent) : Panneau(parent, "Frame6", {120, 120, 2775, 2175}, "Choix divers")
{
    using calc::Formule;
    using P = PanneauChoix;
    const Option<bool> unites[] = {
        {&P::en_mois_,
         {"Option2(0)", {120, 240, 2295, 195}, "durée en MOIS", bulle_duree, "Durées en mois", 15},
         {255, 192, 192},
         false},
        {&P::en_annees_,
         {"Option2(1)", {120, 480, 2295, 195}, "durée en ANNEE", bulle_duree, "Durées en années", 16},
         {192, 192, 255},
         true},
    };
    unites_ = creer_options(creer_cadre("Frame1", {120, 240, 2535, 735}, "Choix de la durée"), unites);
    // Captioned with the formula's own name, which notes quote.
    auto formule = [](QRadioButton* P::*bouton, Formule f, const char* nom, int haut, const char* bulle,
                      const char* nom_accessible, int tabulation, QColor fond) {
        return Option<Formule>{
            bouton, {nom, {120, haut, 2295, 195}, calc::libelle(f), bulle, nom_accessible, tabulation}, fond, f};
    };
    const Option<Formule> formules[] = {
        formule(&P::interets_simples_, Formule::interets_simples, "Option3(0)", 240,
                "Intéret = (Capital X Taux X Temps) / 100", "Intérêts simples", 17, {192, 255, 192}),
        formule(&P::interets_composes_, Formule::interets_composes, "Option3(1)", 480,
                "Calcul des mensualités en rapport du capital accru de ses interets", "Intérêts composés", 18,
                couleurs::cyan_clair),
        formule(&P::interets_constants_, Formule::interets_constants, "Option3(2)", 720, "Formule courrante",
                "Intérêts constants", 19, {255, 224, 192}),
    };
    formules_ = creer_options(creer_cadre("Frame2", {120, 960, 2535, 1095}, "Choix de la formule"), formules);
    en_mois_->setChecked(true);
    interets_simples_->setChecked(true);
    connect(en_annees_, &QRadioButton::toggled, this, &PanneauChoix::unite_changee);
}

// Each button in its group by its value; a frame within the panel reads as its own title.
template <class V, std::size_t N>
QButtonGroup* PanneauChoix::creer_options(QGroupBox* cadre, const Option<V> (&options)[N])
{
    cadre->setAccessibleName(cadre->title());
    auto* groupe = new QButtonGroup(this);
    for (const Option<V>& o : options) {
        auto* bouton = new QRadioButton(o.description.texte, cadre);
        this->*o.bouton = bouton;
        decrire(bouton, o.description);
        colorer(bouton, {QPalette::Button, QPalette::Window}, o.fond);
        bouton->setAutoFillBackground(true);
        groupe->addButton(bouton, static_cast<int>(o.valeur));
    }
    return groupe;
}

bool PanneauChoix::en_annees() const
{
    return unites_->checkedId() == static_cast<int>(true);
}

calc::Formule PanneauChoix::formule() const
{
    return static_cast<calc::Formule>(formules_->checkedId());
}

void PanneauChoix::revenir_aux_interets_simples()
{
    formules_->button(static_cast<int>(calc::Formule::interets_simples))->click();
}
