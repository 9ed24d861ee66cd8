#include "principale/liste_taux.h"

#include "calc/nombres.h"
#include "commun/apparence.h"
#include "commun/textes.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

namespace {

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

}  // namespace

// The list is editable through a line edit of its own, as setEditable(true)
// would build the popup list at once. A line edit that comes with a completer
// spares the list building one, and the list then drops it: inline completion
// would turn a typed "1,2" into "1,25".
QComboBox* creer_liste_taux(QWidget* parent, const char* texte)
{
    QCompleter sans_completion;
    auto* liste = new ListeTaux(parent);
    auto* edition = new QLineEdit;
    edition->setCompleter(&sans_completion);
    liste->setLineEdit(edition);
    liste->setCompleter(nullptr);
    liste->setInsertPolicy(QComboBox::NoInsert);
    colorer(liste, {QPalette::Base}, couleurs::cyan_clair);
    liste->addItems(taux_proposes());
    liste->setCurrentIndex(-1);
    liste->setEditText(texte);
    return liste;
}
