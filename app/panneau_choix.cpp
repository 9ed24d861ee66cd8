#include "panneau_choix.h"

#include "apparence.h"
#include "twips.h"

#include <QRadioButton>

#include <span>

namespace {

struct Option {
    QRadioButton*& bouton;
    const char* nom;
    int haut;
    QColor fond;
    const char* texte;
    const char* bulle;
};

void creer_options(QWidget* cadre, std::span<const Option> options)
{
    for (const Option& o : options) {
        o.bouton = new QRadioButton(o.texte, cadre);
        o.bouton->setObjectName(o.nom);
        o.bouton->setGeometry(rect_twips(120, o.haut, 2295, 195));
        o.bouton->setToolTip(o.bulle);
        colorer(o.bouton, {QPalette::Button, QPalette::Window}, o.fond);
        o.bouton->setAutoFillBackground(true);
    }
}

const char* const bulle_duree = "Cocher la case de durée correspondande à votre pret !";

}  // namespace

PanneauChoix::PanneauChoix(QWidget* parent) : Panneau(parent, "Frame6", {120, 120, 2775, 2175}, "Choix divers")
{
    const Option unites[] = {
        {en_mois_, "Option2(0)", 240, {255, 192, 192}, "durée en MOIS", bulle_duree},
        {en_annees_, "Option2(1)", 480, {192, 192, 255}, "durée en ANNEE", bulle_duree},
    };
    creer_options(creer_cadre(this, "Frame1", {120, 240, 2535, 735}, "Choix de la durée"), unites);
    const Option formules[] = {
        {interets_simples_,
         "Option3(0)",
         240,
         {192, 255, 192},
         "Intérets simples",
         "Intéret = (Capital X Taux X Temps) / 100"},
        {interets_composes_, "Option3(1)", 480, couleurs::cyan_clair, "Intérets composés",
         "Calcul des mensualités en rapport du capital accru de ses interets"},
        {interets_constants_, "Option3(2)", 720, {255, 224, 192}, "Intérets constants", "Formule courrante"},
    };
    creer_options(creer_cadre(this, "Frame2", {120, 960, 2535, 1095}, "Choix de la formule"), formules);
    en_mois_->setChecked(true);
    interets_simples_->setChecked(true);

    connect(en_annees_, &QRadioButton::toggled, this, &PanneauChoix::unite_changee);
    for (std::int16_t i = 0; i < 3; ++i)
        connect(formules[i].bouton, &QRadioButton::toggled, this, [this, i](bool choisi) {
            if (choisi)
                formule_ = i;
        });
}

bool PanneauChoix::en_annees() const
{
    return en_annees_->isChecked();
}

void PanneauChoix::revenir_aux_interets_simples()
{
    interets_simples_->click();
}

QString PanneauChoix::nom_formule() const
{
    for (const QRadioButton* bouton : {interets_simples_, interets_composes_, interets_constants_})
        if (bouton->isChecked())
            return bouton->text();
    return {};
}
