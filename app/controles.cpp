#include "controles.h"

#include "apparence.h"
#include "champ_nombre.h"
#include "nombres.h"
#include "twips.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

class BoutonClavier : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* touche) override
    {
        if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter)
            click();
        else
            QPushButton::keyPressEvent(touche);
    }
};

QRect en_pixels(Place p)
{
    return rect_twips(p.gauche, p.haut, p.largeur, p.hauteur);
}

template <typename W>
W* nommer(W* w, const Description& d)
{
    w->setObjectName(d.nom);
    w->setGeometry(en_pixels(d.place));
    if (*d.bulle)
        w->setToolTip(d.bulle);
    return w;
}

// Labels keep their own text colour: a frame's caption may turn red.
QLabel* etiquette(QWidget* cadre, const Description& d, const QColor& couleur)
{
    auto* label = new QLabel(d.texte, cadre);
    label->setObjectName(d.nom);
    label->move(px(d.place.gauche), px(d.place.haut));
    colorer(label, {QPalette::WindowText}, couleur);
    return label;
}

const QStringList& taux_proposes()
{
    static const QStringList taux = [] {
        QStringList liste;
        for (double t = 1; t <= 25; t += 0.25)
            liste << q(calc::texte_general(t));
        return liste;
    }();
    return taux;
}

}  // namespace

void creer(QWidget* cadre, const Description& d, QLabel*& label)
{
    label = etiquette(cadre, d, Qt::black);
    label->adjustSize();
}

void creer(QWidget* cadre, const Description& d, ChampNombre*& champ)
{
    champ = nommer(new ChampNombre(cadre, d.texte), d);
}

QAccessibleInterface* acces_liste_taux(const QString& classe, QObject* objet);

// A popup as wide as its widest rate, the box being narrower.
class ListeTaux : public QComboBox {
public:
    explicit ListeTaux(QWidget* parent) : QComboBox(parent)
    {
        static const bool installe = (QAccessible::installFactory(acces_liste_taux), true);
        (void)installe;
    }

    void showPopup() override
    {
        QAbstractItemView* liste = view();
        liste->setMinimumWidth(liste->sizeHintForColumn(0) + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                               2 * liste->frameWidth());
        QComboBox::showPopup();
    }
};

// Qt names an editable list after its text on Linux, where it counts on the
// caption's relation: a screen reader should hear what the list asks for,
// its value apart, and still open the list and read its rates.
class AccesListeTaux : public QAccessibleWidget {
public:
    explicit AccesListeTaux(ListeTaux* liste) : QAccessibleWidget(liste, QAccessible::ComboBox) {}

    QString text(QAccessible::Text quoi) const override
    {
        return quoi == QAccessible::Value ? liste()->currentText() : QAccessibleWidget::text(quoi);
    }

    QAccessible::State state() const override
    {
        QAccessible::State etat = QAccessibleWidget::state();
        etat.expandable = etat.editable = true;
        etat.expanded = liste()->view()->isVisible();
        return etat;
    }

    // Its line edit, then the popup's list of rates.
    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface* child(int i) const override
    {
        return i == QAccessibleWidget::childCount() ? QAccessible::queryAccessibleInterface(liste()->view())
                                                    : QAccessibleWidget::child(i);
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override
    {
        return enfant->object() == liste()->view() ? QAccessibleWidget::childCount()
                                                   : QAccessibleWidget::indexOfChild(enfant);
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            liste()->view()->isVisible() ? liste()->hidePopup() : liste()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* liste() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* acces_liste_taux(const QString&, QObject* objet)
{
    auto* liste = dynamic_cast<ListeTaux*>(objet);
    return liste ? new AccesListeTaux(liste) : nullptr;
}

// The list is editable through a line edit of its own, as setEditable(true)
// would build the popup list at once. A line edit that comes with a completer
// spares the list building one, and the list then drops it: inline completion
// would turn a typed "1,2" into "1,25".
void creer(QWidget* cadre, const Description& d, QComboBox*& liste)
{
    QCompleter sans_completion;
    liste = nommer(new ListeTaux(cadre), d);
    auto* edition = new QLineEdit;
    edition->setCompleter(&sans_completion);
    liste->setLineEdit(edition);
    liste->setCompleter(nullptr);
    liste->setInsertPolicy(QComboBox::NoInsert);
    colorer(liste, {QPalette::Base}, couleurs::cyan_clair);
    liste->addItems(taux_proposes());
    liste->setCurrentIndex(-1);
    liste->setEditText(d.texte);
}

void creer(QWidget* cadre, const Description& d, QPushButton*& bouton)
{
    bouton = nommer(creer_bouton(d.texte, cadre), d);
}

namespace {

// A caption's box: the one to its right that shares most of its line.
QWidget* boite_de(const QLabel* legende)
{
    QWidget* boite = nullptr;
    int commun = 0;
    for (QWidget* w : legende->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        int hauteur =
            std::min(w->geometry().bottom(), legende->geometry().bottom()) - std::max(w->y(), legende->y()) + 1;
        if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) && w->x() > legende->x() && hauteur > commun)
            boite = w, commun = hauteur;
    }
    return boite;
}

}  // namespace

void lier_legendes(QWidget* cadre)
{
    for (QLabel* legende : cadre->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (QWidget* boite = boite_de(legende)) {
            legende->setBuddy(boite);
            legende->resize(std::min(legende->width(), boite->geometry().right() + 1 - legende->x()),
                            legende->height());
        }
}

QPushButton* creer_bouton(const QString& texte, QWidget* parent)
{
    return new BoutonClavier(texte, parent);
}

QLabel* creer_resultat(QWidget* cadre, const char* nom, Place place, double points)
{
    QLabel* label = etiquette(cadre, {nom, place, ""}, couleurs::rouge);
    label->setFont(police("Arial Narrow", points, true));
    // Sized when a result arrives: a label without a size is measured, in its
    // own face, as soon as the window shows.
    label->resize(0, 0);
    return label;
}

QGroupBox* creer_cadre(QWidget* parent, const char* nom, Place place, const QString& titre)
{
    auto* cadre = new QGroupBox(titre, parent);
    cadre->setObjectName(nom);
    cadre->setGeometry(en_pixels(place));
    return cadre;
}

Panneau::Panneau(QWidget* parent, const char* nom, Place place, const QString& titre) : QGroupBox(titre, parent)
{
    setObjectName(nom);
    setGeometry(en_pixels(place));
}

std::string texte(const QLineEdit* champ)
{
    return champ->text().toStdString();
}

std::string texte(const QComboBox* liste)
{
    return liste->currentText().toStdString();
}

double valeur(const QLineEdit* champ)
{
    return calc::virg(texte(champ)).value_or(0);
}

rapport::Champ champ_du_rapport(const QLabel* legende, const std::string& valeur)
{
    return {legende->text().toStdString(), valeur};
}
