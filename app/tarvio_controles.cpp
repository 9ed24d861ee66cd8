// Builds the controls of the main window in their design state; the start-up
// texts come from mise_en_forme.

#include "tarvio.h"

#include "apparence.h"
#include "filtre_touches.h"
#include "grille.h"
#include "images.h"
#include "twips.h"

#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

using couleurs::cyan_clair;

template <typename W>
W* creer(QWidget* parent, const QString& nom, QRect place = {})
{
    auto* w = new W(parent);
    w->setObjectName(nom);
    if (!place.isNull())
        w->setGeometry(place);
    return w;
}

// Labels keep their own text colour: Frame5's caption turns red in years mode.
QLabel* etiquette(QWidget* parent, const QString& nom, int gauche, int haut,
                  const QColor& couleur = Qt::black)
{
    auto* label = creer<QLabel>(parent, nom);
    label->move(px(gauche), px(haut));
    colorer(label, {QPalette::WindowText}, couleur);
    return label;
}

QLabel* resultat(QWidget* parent, const QString& nom, int gauche, int haut, double points)
{
    auto* label = etiquette(parent, nom, gauche, haut, couleurs::rouge);
    label->setFont(police("Arial Narrow", points, true));
    // Sized when a result arrives: a label without a size is measured, in its
    // own face, as soon as the window shows.
    label->resize(0, 0);
    return label;
}

QRadioButton* option(QWidget* parent, const QString& nom, int haut, const QColor& fond)
{
    auto* bouton = creer<QRadioButton>(parent, nom, rect_twips(120, haut, 2295, 195));
    colorer(bouton, {QPalette::Button, QPalette::Window}, fond);
    bouton->setAutoFillBackground(true);
    return bouton;
}

}  // namespace

void tarvio::creer_controles()
{
    auto* fond = new QWidget(this);
    setCentralWidget(fond);
    fond->setFixedSize(px(8205), px(6195));

    const QPixmap embleme = QPixmap::fromImage(image_embleme());
    Image1 = creer<QLabel>(fond, "Image1", rect_twips(3000, 0, 255, 6255));
    Image1->setPixmap(QPixmap::fromImage(image_bande()));
    Image1->setScaledContents(true);
    imgGraphic = creer<QLabel>(fond, "imgGraphic", rect_twips(3600, 120, 750, 750));
    imgGraphic->setPixmap(embleme);
    imgGraphic->resize(embleme.size());
    imgGraphic->hide();
    Picture1 = creer<QLabel>(fond, "Picture1", rect_twips(3360, 4440, 255, 15));

    auto* filtre = new FiltreTouches(this);
    auto champ = [&](QWidget* parent, int i, QRect place) {
        Text[i] = creer<QLineEdit>(parent, QString("Text%1").arg(i), place);
        colorer(Text[i], {QPalette::Base}, cyan_clair);
        filtre->surveiller(Text[i]);
    };
    auto cadre = [&](QWidget* parent, int i, QRect place) {
        Frame[i] = creer<QGroupBox>(parent, QString("Frame%1").arg(i), place);
        return Frame[i];
    };
    auto label = [&](QWidget* parent, int i, int gauche, int haut) {
        Label[i] = etiquette(parent, QString("Label%1").arg(i), gauche, haut);
    };
    auto bouton = [&](QWidget* parent, int i, QRect place) {
        Command[i] = creer<QPushButton>(parent, QString("Command%1").arg(i), place);
    };
    // The rate lists are editable through line edits of their own, as
    // setEditable(true) would build the popup list at once. A line edit that
    // comes with a completer spares the list building one, and the list then
    // drops it: inline completion would turn a typed "1,2" into "1,25".
    QCompleter sans_completion;
    auto liste = [&](QWidget* parent, const QString& nom, int haut) {
        auto* combo = creer<QComboBox>(parent, nom, rect_twips(2040, haut, 615, 315));
        auto* edition = new QLineEdit;
        edition->setCompleter(&sans_completion);
        combo->setLineEdit(edition);
        combo->setCompleter(nullptr);
        combo->setInsertPolicy(QComboBox::NoInsert);
        colorer(combo, {QPalette::Base}, cyan_clair);
        return combo;
    };

    QWidget* f6 = cadre(fond, 6, rect_twips(120, 120, 2775, 2175));
    QWidget* f1 = cadre(f6, 1, rect_twips(120, 240, 2535, 735));
    Option2[0] = option(f1, "Option2(0)", 240, QColor(255, 192, 192));
    Option2[1] = option(f1, "Option2(1)", 480, QColor(192, 192, 255));
    QWidget* f2 = cadre(f6, 2, rect_twips(120, 960, 2535, 1095));
    Option3[0] = option(f2, "Option3(0)", 240, QColor(192, 255, 192));
    Option3[1] = option(f2, "Option3(1)", 480, cyan_clair);
    Option3[2] = option(f2, "Option3(2)", 720, QColor(255, 224, 192));

    QWidget* f3 = cadre(fond, 3, rect_twips(120, 2280, 2775, 1935));
    label(f3, 1, 120, 240);
    champ(f3, 1, rect_twips(1680, 240, 975, 285));
    label(f3, 2, 120, 480);
    champ(f3, 2, rect_twips(2040, 480, 615, 285));
    label(f3, 5, 120, 720);
    champ(f3, 3, rect_twips(2040, 720, 615, 285));
    label(f3, 3, 120, 960);
    Combo1 = liste(f3, "Combo1", 960);
    label(f3, 4, 120, 1200);
    Combo2 = liste(f3, "Combo2", 1200);
    bouton(f3, 1, rect_twips(240, 1560, 2175, 255));
    Command[1]->setText("Calculer maintenant");

    QWidget* f4 = cadre(fond, 4, rect_twips(120, 4320, 2775, 1695));
    label(f4, 6, 120, 240);
    champ(f4, 4, rect_twips(1920, 240, 735, 285));
    label(f4, 7, 120, 480);
    champ(f4, 5, rect_twips(1920, 480, 495, 285));
    label(f4, 8, 2400, 480);
    Label[8]->setFont(police("Arial", 9.75));
    Label[8]->setText(" %");
    Label[8]->adjustSize();
    label(f4, 9, 120, 720);
    champ(f4, 6, rect_twips(1920, 720, 735, 285));
    Label[10] = resultat(f4, "Label10", 120, 1080, 9);
    Label[10]->hide();
    bouton(f4, 3, rect_twips(240, 1320, 2175, 255));

    QWidget* f5 = cadre(fond, 5, rect_twips(3360, 4800, 4695, 1215));
    label(f5, 11, 120, 240);
    champ(f5, 7, rect_twips(2040, 240, 735, 285));
    label(f5, 12, 120, 480);
    champ(f5, 8, rect_twips(2040, 480, 735, 285));
    label(f5, 13, 120, 720);
    champ(f5, 9, rect_twips(2040, 720, 735, 285));
    bouton(f5, 2, rect_twips(2880, 240, 1695, 255));
    Command[2]->setText("Calcul maintenant");
    Label[14] = resultat(f5, "Label14", 2880, 600, 9.75);

    MSFlexGrid1 = new GrilleHypotheses(fond);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    MSFlexGrid1->setGeometry(rect_twips(3360, 120, 4695, 4575));
}
