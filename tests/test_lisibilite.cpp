// Every caption, box, list and button of the window shows its text whole at
// the window's fixed geometry, with the fonts Debian ships; run again at
// QT_SCALE_FACTOR=2.
#include "fenetre_test.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

namespace {

using Lisibilite = FenetreTest;

int largeur(const QWidget* w, const QString& texte)
{
    return QFontMetrics(w->font()).horizontalAdvance(texte);
}

// The box a caption stands for.
const QWidget* champ_de(const QLabel* l)
{
    for (auto [legende, boite] : legendes_et_cases)
        if (l->objectName() == legende)
            return l->window()->findChild<QWidget*>(boite);
    return nullptr;
}

template <typename W>
QList<W*> visibles(QWidget* fenetre)
{
    QList<W*> liste;
    for (W* w : fenetre->findChildren<W*>())
        if (w->isVisible() && !w->objectName().isEmpty())
            liste << w;
    return liste;
}

}  // namespace

TEST_F(Lisibilite, RienNEstCoupe)
{
    remplir_les_cases({"10000", "12", "18", "10000", "5", "200", "10000", "200", "60"});
    CapteurMessages capteur;
    for (const char* bouton : {"Command1", "Command2", "Command3"})
        QTest::mouseClick(controle(bouton), Qt::LeftButton);

    for (QLabel* l : visibles<QLabel>(fenetre.get())) {
        QString texte = l->text(), mots = texte;
        mots.remove(QRegularExpression("[ .:]*$"));
        if (texte.isEmpty() || !l->pixmap().isNull())
            continue;
        int debut = l->x() + l->contentsRect().x(), fin = debut + largeur(l, texte);
        SCOPED_TRACE(l->objectName().toStdString() + " « " + texte.toStdString() + " »");
        EXPECT_LE(debut + largeur(l, mots), l->geometry().right() + 1);  // the words fit the caption
        if (const QWidget* champ = champ_de(l)) {
            EXPECT_LE(debut + largeur(l, mots), champ->x()) << "words under " << champ->objectName().toStdString();
            EXPECT_LE(std::min(fin, l->geometry().right() + 1), champ->geometry().right() + 1)
                << "dots past " << champ->objectName().toStdString();
        }
    }
    for (QLineEdit* e : visibles<QLineEdit>(fenetre.get()))  // start-up texts and those typed above
        EXPECT_LE(largeur(e, e->text()) + 4, e->contentsRect().width()) << e->objectName().toStdString();
    for (QPushButton* b : visibles<QPushButton>(fenetre.get())) {
        QStyleOptionButton option;
        option.initFrom(b);
        int marge = b->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, b);
        EXPECT_LE(largeur(b, b->text().remove('&')) + marge, b->width()) << b->objectName().toStdString();
    }
    for (QRadioButton* r : visibles<QRadioButton>(fenetre.get())) {
        QStyleOptionButton option;
        option.initFrom(r);
        QRect rond = r->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, r);
        QRect texte = r->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, r);
        EXPECT_TRUE(r->rect().contains(rond)) << r->objectName().toStdString();
        EXPECT_LE(largeur(r, r->text()), texte.width()) << r->objectName().toStdString();
    }
    for (QComboBox* c : visibles<QComboBox>(fenetre.get())) {
        QStringList textes = {c->objectName() == "Combo1" ? "Mini" : "Maxi"};
        for (int i = 0; i < c->count(); ++i)
            textes << c->itemText(i);
        int place = c->lineEdit()->contentsRect().width() - 4;  // the line edit's own margins and cursor
        for (const QString& t : textes)
            EXPECT_LE(largeur(c->lineEdit(), t), place) << c->objectName().toStdString() << " " << t.toStdString();
        c->showPopup();
        for (int i = 0; i < c->count(); ++i) {
            QModelIndex rang = c->model()->index(i, 0);
            EXPECT_LE(c->view()->sizeHintForIndex(rang).width(), c->view()->viewport()->width())
                << c->objectName().toStdString() << " " << c->itemText(i).toStdString();
        }
        c->hidePopup();
    }
}
