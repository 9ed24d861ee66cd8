#include "tarvio.h"

#include "aide.h"
#include "apparence.h"
#include "dialog.h"
#include "grille.h"
#include "impression.h"
#include "messages.h"
#include "nombres.h"
#include "remboursement.h"
#include "verifications.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

const QString bulle_montant = "Entrez ici le montant à emprunter";
const QString bulle_echeances = "Entrez ici le montant de vos échéances";
const QString bulle_duree = "Cocher la case de durée correspondande à votre pret !";

// The amount of the table and the rate of the payments calculator start at
// "0.00", every other box at "0".
QString texte_de_depart(int champ)
{
    return champ == 1 || champ == 5 ? "0.00" : "0";
}

}  // namespace

tarvio::tarvio()
{
    setObjectName("tarvio");
    setWindowTitle("Calcul d'emprunt");
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    colorer(this, {QPalette::Window}, couleurs::jaune_clair);

    creer_controles();
    creer_menus();
    ordonner_tabulation();
    for (int i = 0; i < 2; ++i)
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool choisi) { if (choisi) Option2_Click(i); });
    for (int i = 0; i < 3; ++i)
        connect(Option3[i], &QRadioButton::toggled, this, [this, i](bool choisi) { if (choisi) Option3_Click(i); });

    connect(Command[1], &QPushButton::clicked, this, &tarvio::Command1_Click);
    connect(Command[2], &QPushButton::clicked, this, &tarvio::Command2_Click);
    connect(Command[3], &QPushButton::clicked, this, &tarvio::Command3_Click);
    connect(MSFlexGrid1, &QTableView::clicked, this, &tarvio::MSFlexGrid1_Click);
    for (QWidget* surface : MSFlexGrid1->surfaces())
        surface->installEventFilter(this);

    Form_Load();

    setFixedSize(centralWidget()->width(), centralWidget()->height() + menuBar()->sizeHint().height());
    move(screen()->availableGeometry().center() - rect().center());
}

// Ending the program takes an open About window with it; closing the main
// window alone does not.
tarvio::~tarvio()
{
    delete apropos_;
}

void tarvio::closeEvent(QCloseEvent* evenement)
{
    if (auto* aide = findChild<QWidget*>("aide"))
        aide->close();
    QMainWindow::closeEvent(evenement);
}

void tarvio::creer_menus()
{
    auto menu = [this](const char* nom, const QString& titre) {
        QMenu* m = menuBar()->addMenu(titre);
        m->setObjectName(nom);
        return m;
    };
    auto action = [](QMenu* m, const char* nom, const QString& titre) {
        QAction* a = m->addAction(titre);
        a->setObjectName(nom);
        return a;
    };
    QMenu* mnfich = menu("mnfich", "&Fichier");
    connect(action(mnfich, "mnimprim", "&Imprimer"), &QAction::triggered, this, &tarvio::mnimprim_Click);
    mnfich->addSeparator()->setObjectName("trait1");
    connect(action(mnfich, "mnquit", "&Quitter"), &QAction::triggered, this, &QWidget::close);
    QMenu* mnaide2 = menu("mnaide2", "&?");
    connect(action(mnaide2, "mnaide", "aide"), &QAction::triggered, this, [this] { ouvrir_aide(this); });
    connect(action(mnaide2, "mnapropos", "A propos"), &QAction::triggered, this, &tarvio::mnapropos_Click);
}

void tarvio::ordonner_tabulation()
{
    QList<QWidget*> ordre = {MSFlexGrid1, Text[1], Command[1], Text[4], Text[5], Text[6], Command[3],
                             Command[2], Text[7], Text[8], Text[9], Text[2], Text[3], Combo1, Combo2,
                             Option2[0], Option2[1], Option3[0], Option3[1], Option3[2]};
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
    MSFlexGrid1->setFocus();
}

void tarvio::Form_Load()
{
    flag_erreur = "0";
    mise_en_forme();
}

void tarvio::mise_en_forme()
{
    const std::pair<int, QString> legendes[] = {
        {1, "Montant de l'emprunt :.............."},
        {2, "Périodes MINI :..................."},
        {5, "Périodes MAXI :.................."},
        {3, "Taux d'intéret MINI :......................"},
        {4, "Taux d'intéret MAXI :......................."},
        {6, "Somme empruntée :......"},
        {7, "Taux d'interet :.............."},
        {9, "Montant remboursement"},
        {10, ""},
        {11, "Montant de l'emprunt :.................."},
        {12, "Montant des mensualités : ...."},
        {13, "Nb. mensualités :........................."},
        {14, ""},
    };
    for (const auto& [i, texte] : legendes) {
        Label[i]->setText(texte);
        if (!texte.isEmpty())  // the result labels size themselves when they get a result
            Label[i]->adjustSize();
    }

    const QString bulles[] = {
        {},
        bulle_montant,
        "Nonbre MINIMUM de périodes pendant lesquelles vous pensez rembourser",
        "Nonbre MAXIMUM de périodes pendant lesquelles vous pensez rembourser",
        bulle_montant,
        "Entrez ici le taux d'intéret",
        bulle_echeances,
        bulle_montant,
        bulle_echeances,
        "Entrez ici le nombre de vos échéances",
    };
    for (int i = 1; i <= 9; ++i) {
        Text[i]->setText(texte_de_depart(i));
        Text[i]->setToolTip(bulles[i]);
    }

    const QString cadres[] = {{}, "Choix de la durée", "Choix de la formule", "Hypothèse de crédit",
                              "Nb Mensualité", "Calcul du taux d'intéret", "Choix divers"};
    for (int i = 1; i <= 6; ++i)
        Frame[i]->setTitle(cadres[i]);

    QStringList taux;
    for (double t = 1; t <= 25; t += 0.25)
        taux << q(calc::texte_general(t));
    for (QComboBox* combo : {Combo1, Combo2}) {
        combo->addItems(taux);
        combo->setCurrentIndex(-1);
        combo->setEditText(combo == Combo1 ? "Mini" : "Maxi");
    }
    Combo1->setToolTip("Choisissez le taux d'intéret MINIMUM !");
    Combo2->setToolTip("Choisissez le taux d'intéret MAXIMUM !");

    Option2[0]->setText("durée en MOIS");
    Option2[0]->setChecked(true);
    Option2[1]->setText("durée en ANNEE");
    Option2[0]->setToolTip(bulle_duree);
    Option2[1]->setToolTip(bulle_duree);

    Option3[0]->setText("Intérets simples");
    Option3[0]->setChecked(true);
    choix_formule = 0;
    Option3[1]->setText("Intérets composés");
    Option3[2]->setText("Intérets constants");
    Option3[0]->setToolTip("Intéret = (Capital X Taux X Temps) / 100");
    Option3[1]->setToolTip("Calcul des mensualités en rapport du capital accru de ses interets");
    Option3[2]->setToolTip("Formule courrante");

    MSFlexGrid1->preparer_coin(imgGraphic->pixmap());
    MSFlexGrid1->setToolTip("Affichage des hypothèse de crédit");

    Command[1]->setToolTip("Lancer le calcul des hypothèses de crédit");
    Command[3]->setToolTip("Lancer le calcul du nombres des échéances");
    Command[2]->setToolTip("Lancer le calcul du taux d'intéret");
    Command[3]->setText("Calculer maintenant");
}

void tarvio::Option2_Click(int index)
{
    if (index != 0 && index != 1)
        return;
    colorer(Frame[5], {QPalette::WindowText}, index == 1 ? couleurs::rouge : QColor(Qt::black));
    Frame[5]->setTitle(index == 1 ? "Calcul du taux d'intéret - ATTENTION : Uniquement en mois !"
                                  : "Calcul du taux d'intéret");
}

void tarvio::Option3_Click(int index)
{
    choix_formule = static_cast<std::int16_t>(index);
}

void tarvio::Command1_Click()
{
    flag_erreur = "0";
    calc::Verification v = calc::verifier_hypotheses({Text[1]->text().toStdString(), Text[2]->text().toStdString(),
                                                     Text[3]->text().toStdString(), Combo1->currentText().toStdString(),
                                                     Combo2->currentText().toStdString(), Option2[1]->isChecked()});
    for (const calc::Refus& refus : v.refus) {
        afficher_message(this, refus.message);
        if (refus.vider_montant)
            Text[1]->clear();
        if (refus.vider_durees) {
            Text[2]->clear();
            Text[3]->clear();
        }
    }
    flag_erreur = q(v.flag_erreur);
    if (calc::tableau_permis(v)) {
        prepare_grille();
        calcul_hypotheses();
    }
}

void tarvio::prepare_grille()
{
    grille = calc::prepare_grille({{}, Text[2]->text().toStdString(), Text[3]->text().toStdString(),
                                   Combo1->currentText().toStdString(), Combo2->currentText().toStdString(),
                                   Option2[1]->isChecked()});
    MSFlexGrid1->afficher(grille);
}

void tarvio::calcul_hypotheses()
{
    double montant = virg(Text[1]->text()).value_or(0);
    MSFlexGrid1->modele()->remplir(calc::calcul_hypotheses(grille, montant, choix_formule, Option2[1]->isChecked()));
}

void tarvio::MSFlexGrid1_Click(const QModelIndex& cellule)
{
    if (Text[1]->text() == "0.00")
        return;
    MSFlexGrid1->setCurrentIndex(cellule);
    auto message = calc::detail_remboursement(MSFlexGrid1->modele()->texte(cellule).toStdString(),
                                              Text[2]->text().toStdString(), cellule.column() + 1,
                                              Option2[1]->isChecked());
    if (!message)
        return;
    MSFlexGrid1->modele()->marquer(cellule);
    afficher_message(this, *message);
    MSFlexGrid1->modele()->demarquer();
}

void tarvio::MSFlexGrid1_MouseDown(Qt::MouseButton bouton)
{
    if (bouton == Qt::RightButton)
        afficher_message(this, {"Pas le bouton droit S.V.P. !"});
}

void tarvio::Command3_Click()
{
    Label[10]->setText("");
    nb_mens();
}

void tarvio::nb_mens()
{
    appliquer(calc::nb_mens(Text[4]->text().toStdString(), Text[5]->text().toStdString(),
                            Text[6]->text().toStdString(), Option2[1]->isChecked()),
              4, Label[10]);
}

void tarvio::Command2_Click()
{
    calcul_taux();
}

void tarvio::calcul_taux()
{
    int formule = Option3[0]->isChecked() ? 0 : Option3[1]->isChecked() ? 1 : 2;
    appliquer(calc::calcul_taux(Text[7]->text().toStdString(), Text[8]->text().toStdString(),
                                Text[9]->text().toStdString(), formule, Option2[1]->isChecked()),
              7, Label[14]);
}

// Messages first, then the boxes from premier_champ on and the result label.
void tarvio::appliquer(const calc::Resultat& resultat, int premier_champ, QLabel* legende)
{
    for (const calc::Message& message : resultat.messages)
        afficher_message(this, message);
    if (resultat.remettre_a_zero)
        for (int i = premier_champ; i < premier_champ + 3; ++i)
            Text[i]->setText(texte_de_depart(i));
    if (resultat.revenir_aux_interets_simples)
        Option3[0]->click();
    if (resultat.legende) {
        legende->setText(q(*resultat.legende));
        legende->adjustSize();
        legende->show();
    }
}

void tarvio::mnimprim_Click()
{
    auto t = [](const auto* controle) { return controle->text().toStdString(); };
    rapport::Fenetre f{
        t(Label[1]), t(Text[1]), t(Label[2]), t(Text[2]), t(Label[5]), t(Text[3]),
        t(Label[3]), Combo1->currentText().toStdString(), t(Label[4]), Combo2->currentText().toStdString(), t(Label[6]), t(Text[4]), t(Label[7]), t(Text[5]), t(Label[9]),
        t(Text[6]), t(Label[10]), t(Label[11]), t(Text[7]), t(Label[12]), t(Text[8]), t(Label[13]),
        t(Text[9]), t(Label[14]), grille.nb_colonnes > 0 ? std::to_string(grille.nb_colonnes) : std::string(),
        QLocale(QLocale::French, QLocale::France).toString(QDate::currentDate(), QLocale::ShortFormat).toStdString()};
    rapport::Impression impression = rapport::mnimprim(f);
    if (impression.refus) {
        afficher_message(this, *impression.refus);
        return;
    }
    imprimer(this, impression.operations, ImageDeLaGrille(*MSFlexGrid1, imgGraphic->pixmap()));
}

void tarvio::mnapropos_Click()
{
    if (!apropos_)
        apropos_ = new Dialog;
    apropos_->show();
    apropos_->raise();
    apropos_->activateWindow();
}

bool tarvio::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::MouseButtonPress) {
        auto bouton = static_cast<QMouseEvent*>(evenement)->button();
        MSFlexGrid1_MouseDown(bouton);
        return bouton == Qt::RightButton;  // the right button does nothing else on the grid
    }
    return QMainWindow::eventFilter(objet, evenement);
}

std::optional<double> tarvio::virg(const QString& texte)
{
    return calc::virg(texte.toStdString());
}
