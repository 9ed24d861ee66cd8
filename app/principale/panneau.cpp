#include "principale/panneau.h"

#include "commun/apparence.h"
#include "commun/bouton.h"
#include "commun/champ_nombre.h"
#include "commun/textes.h"
#include "commun/twips.h"
#include "principale/filtre_touches.h"
#include "principale/liste_taux.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

// Labels keep their own text colour: a frame's caption may turn red.
QLabel* etiquette(QWidget* cadre, const char* nom, Place place, const char* texte, const QColor& couleur)
{
    auto* label = new QLabel(texte, cadre);
    label->setObjectName(nom);
    label->move(px(place.gauche), px(place.haut));
    colorer(label, {QPalette::WindowText}, couleur);
    return label;
}

}  // namespace

QRect en_pixels(Place p)
{
    return rect_twips(p.gauche, p.haut, p.largeur, p.hauteur);
}

Panneau::Panneau(QWidget* parent, const char* nom, Place place, const QString& titre) : QGroupBox(titre, parent)
{
    setObjectName(nom);
    setGeometry(en_pixels(place));
}

QWidget* Panneau::creer(const Description& d, ChampNombre*& champ)
{
    champ = new ChampNombre(this, d.texte);
    (new FiltreTouches(champ))->surveiller(champ);
    return champ;
}

QWidget* Panneau::creer(const Description& d, QComboBox*& liste)
{
    liste = creer_liste_taux(this, d.texte);
    return liste;
}

QWidget* Panneau::creer(const Description& d, QPushButton*& bouton)
{
    bouton = creer_bouton(d.texte, this);
    return bouton;
}

void Panneau::decrire(QWidget* w, const Description& d, QLabel* legende)
{
    w->setObjectName(d.nom);
    w->setGeometry(en_pixels(d.place));
    if (*d.bulle)
        w->setToolTip(d.bulle);
    w->setAccessibleName(d.nom_accessible);
    if (d.tabulation > 0)
        tabulation_.emplace_back(d.tabulation, w);
    if (!legende)
        return;
    // Read as what its box asks for, without its leader dots, which never show past the box.
    legende->setBuddy(w);
    legende->setAccessibleName(d.nom_accessible);
    legende->resize(std::min(legende->width(), w->geometry().right() + 1 - legende->x()), legende->height());
    legendes_.insert(w, legende);
}

QLabel* Panneau::creer_legende(const Legende& l)
{
    QLabel* label = etiquette(this, l.nom, l.place, l.texte, Qt::black);
    label->adjustSize();
    return label;
}

QLabel* Panneau::creer_resultat(const char* nom, Place place, double points)
{
    QLabel* label = etiquette(this, nom, place, "", couleurs::rouge);
    label->setFont(police("Arial Narrow", points, true));
    // Sized when a result arrives: a label without a size is measured, in its
    // own face, as soon as the window shows.
    label->resize(0, 0);
    return label;
}

QGroupBox* Panneau::creer_cadre(const char* nom, Place place, const QString& titre)
{
    auto* cadre = new QGroupBox(titre, this);
    cadre->setObjectName(nom);
    cadre->setGeometry(en_pixels(place));
    return cadre;
}

std::string Panneau::texte_de(const QWidget* boite)
{
    if (auto* liste = qobject_cast<const QComboBox*>(boite))
        return texte(liste);
    if (auto* champ = qobject_cast<const QLineEdit*>(boite))
        return texte(champ);
    return {};
}

rapport::Champ Panneau::champ_du_rapport(const QWidget* boite) const
{
    const QLabel* legende = legendes_.value(boite);
    return {legende ? legende->text().toStdString() : std::string(), texte_de(boite)};
}
