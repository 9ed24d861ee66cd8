#include "tarvio.h"

#include "aide.h"
#include "apparence.h"
#include "calculatrices.h"
#include "dialog.h"
#include "fenetre_echeancier.h"
#include "grille.h"
#include "images.h"
#include "impression.h"
#include "messages.h"
#include "panneau_choix.h"
#include "panneau_hypotheses.h"
#include "twips.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

tarvio::tarvio()
{
    setObjectName("tarvio");
    setWindowTitle("Calcul d'emprunt");
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    colorer(this, {QPalette::Window}, couleurs::jaune_clair);

    auto* fond = new QWidget(this);
    setCentralWidget(fond);
    fond->setFixedSize(px(8205), px(6195));
    creer_images(fond);
    choix_ = new PanneauChoix(fond);
    grille_ = new GrilleHypotheses(fond);
    grille_->setObjectName("MSFlexGrid1");
    grille_->setGeometry(rect_twips(3360, 120, 4695, 4575));
    grille_->preparer_coin(embleme_->pixmap());
    grille_->setToolTip("Affichage des hypothèse de crédit");
    hypotheses_ = new PanneauHypotheses(fond, *choix_, *grille_);
    mensualites_ = new PanneauMensualites(fond, *choix_);
    taux_ = new PanneauTaux(fond, *choix_);
    for (Panneau* p : std::initializer_list<Panneau*>{hypotheses_, mensualites_, taux_})
        p->quand_calcule = [this](const calc::Depart& d) { depart_ = d; };
    creer_menus();
    ordonner_tabulation();
    nommer_pour_les_lecteurs_d_ecran();

    setFixedSize(fond->width(), fond->height() + menuBar()->sizeHint().height());
    move(screen()->availableGeometry().center() - rect().center());
}

// Ending the program takes an open About window with it; closing the main
// window alone does not.
tarvio::~tarvio()
{
    delete apropos_;
}

const QString& tarvio::flag_erreur() const
{
    return hypotheses_->flag_erreur();
}

std::int16_t tarvio::choix_formule() const
{
    return choix_->formule();
}

void tarvio::closeEvent(QCloseEvent* evenement)
{
    if (auto* aide = findChild<QWidget*>("aide"))
        aide->close();
    if (echeancier_)
        echeancier_->close();
    QMainWindow::closeEvent(evenement);
}

void tarvio::creer_images(QWidget* fond)
{
    auto image = [fond](const char* nom, QRect place) {
        auto* label = new QLabel(fond);
        label->setObjectName(nom);
        label->setGeometry(place);
        return label;
    };
    bande_ = image("Image1", rect_twips(3000, 0, 255, 6255));
    bande_->setPixmap(QPixmap::fromImage(image_bande()));
    bande_->setScaledContents(true);
    embleme_ = image("imgGraphic", rect_twips(3600, 120, 750, 750));
    embleme_->setPixmap(QPixmap::fromImage(image_embleme()));
    embleme_->resize(embleme_->pixmap().size());
    embleme_->hide();
    image("Picture1", rect_twips(3360, 4440, 255, 15));  // the print command's scratch picture, never seen
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
    QMenu* fichier = menu("mnfich", "&Fichier");
    QAction* imprimer = action(fichier, "mnimprim", "&Imprimer");
    imprimer->setShortcut(QKeySequence::Print);
    connect(imprimer, &QAction::triggered, this, &tarvio::imprimer_rapport);
    connect(action(fichier, "mnapercu", "Aperçu avant impression…"), &QAction::triggered, this,
            &tarvio::apercu_rapport);
    fichier->addSeparator()->setObjectName("trait1");
    QAction* quitter = action(fichier, "mnquit", "&Quitter");
    quitter->setShortcut(QKeySequence::Quit);
    connect(quitter, &QAction::triggered, this, &QWidget::close);
    QAction* echeancier = action(menu("mncredit", "&Crédit"), "mnecheancier", "Tableau d'amortissement…");
    echeancier->setShortcut(QKeySequence("Ctrl+T"));
    connect(echeancier, &QAction::triggered, this, &tarvio::ouvrir_echeancier);
    QMenu* aide = menu("mnaide2", "&?");
    QAction* lire_aide = action(aide, "mnaide", "aide");
    lire_aide->setShortcut(QKeySequence::HelpContents);
    connect(lire_aide, &QAction::triggered, this, [this] { ouvrir_aide(this); });
    connect(action(aide, "mnapropos", "A propos"), &QAction::triggered, this, &tarvio::montrer_a_propos);
}

// The grid first, so that it holds the focus when the window opens.
void tarvio::ordonner_tabulation()
{
    const char* const ordre[] = {"MSFlexGrid1", "Text1",      "Command1",   "Text4",      "Text5",
                                 "Text6",       "Command3",   "Command2",   "Text7",      "Text8",
                                 "Text9",       "Text2",      "Text3",      "Combo1",     "Combo2",
                                 "Option2(0)",  "Option2(1)", "Option3(0)", "Option3(1)", "Option3(2)"};
    QWidget* precedent = nullptr;
    for (const char* nom : ordre) {
        auto* suivant = findChild<QWidget*>(nom);
        if (precedent)
            setTabOrder(precedent, suivant);
        precedent = suivant;
    }
    grille_->setFocus();
}

// What each control asks for, in French, unique in the window: a screen
// reader would otherwise name the fields after their frame and the rate lists
// by their contents. The tool tips serve as descriptions.
void tarvio::nommer_pour_les_lecteurs_d_ecran()
{
    const std::pair<const char*, const char*> noms[] = {
        {"MSFlexGrid1", "Tableau des hypothèses de crédit"},
        {"Text1", "Montant de l'emprunt"},
        {"Text2", "Périodes minimum"},
        {"Text3", "Périodes maximum"},
        {"Combo1", "Taux d'intérêt minimum"},
        {"Combo2", "Taux d'intérêt maximum"},
        {"Command1", "Calculer le tableau d'hypothèses"},
        {"Text4", "Somme empruntée"},
        {"Text5", "Taux d'intérêt annuel"},
        {"Text6", "Montant de chaque remboursement"},
        {"Command3", "Calculer le nombre de mensualités"},
        {"Text7", "Montant de l'emprunt pour le calcul du taux"},
        {"Text8", "Montant des mensualités"},
        {"Text9", "Nombre de mensualités"},
        {"Command2", "Calculer le taux"},
        {"Option2(0)", "Durées en mois"},
        {"Option2(1)", "Durées en années"},
        {"Option3(0)", "Intérêts simples"},
        {"Option3(1)", "Intérêts composés"},
        {"Option3(2)", "Intérêts constants"},
    };
    for (auto [objet, nom] : noms)
        findChild<QWidget*>(objet)->setAccessibleName(nom);
    // A caption reads as what its box asks for, without its leader dots; a
    // frame within a frame by its own title, where Qt would give it the outer one's.
    for (QLabel* legende : findChildren<QLabel*>())
        if (legende->buddy())
            legende->setAccessibleName(legende->buddy()->accessibleName());
    for (QGroupBox* cadre : findChildren<QGroupBox*>())
        if (qobject_cast<QGroupBox*>(cadre->parentWidget()))
            cadre->setAccessibleName(cadre->title());
}

rapport::Fenetre tarvio::contenu_du_rapport() const
{
    return {
        .hypotheses = hypotheses_->pour_rapport(),
        .mensualites = mensualites_->pour_rapport(),
        .taux = taux_->pour_rapport(),
        .date = date_du_jour().toStdString(),
    };
}

TableauImprime tarvio::tableau_imprime() const
{
    return {grille_->pour_impression(), grille_->font(), embleme_->pixmap().toImage()};
}

std::optional<std::vector<rapport::Operation>> tarvio::rapport_a_imprimer()
{
    rapport::Impression impression = rapport::composer(contenu_du_rapport());
    if (impression.refus) {
        afficher_message(this, *impression.refus);
        return std::nullopt;
    }
    return impression.operations;
}

void tarvio::imprimer_rapport()
{
    auto operations = rapport_a_imprimer();
    if (!operations)
        return;
    TableauImprime tableau = tableau_imprime();
    imprimer(this, {"Menu imprimer", "Rapport Tarvio", "le rapport", "rapport-tarvio.pdf",
                    [&](QPrinter& imprimante, const Suivi& suivi) {
                        orienter(*operations, imprimante);
                        return jouer(*operations, imprimante, tableau, suivi);
                    },
                    [&](QPrinter& imprimante) { return nombre_de_pages(*operations, imprimante, tableau); }});
}

// The same report, on the default printer's pages where there is one.
void tarvio::apercu_rapport()
{
    auto operations = rapport_a_imprimer();
    if (!operations)
        return;
    TableauImprime tableau = tableau_imprime();
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setDocName("Rapport Tarvio");
    orienter(*operations, imprimante);  // once: the preview's own buttons may turn the pages
    QPrintPreviewDialog apercu(&imprimante, this);
    apercu.setObjectName("apercu");
    apercu.setWindowTitle("Aperçu avant impression");
    connect(&apercu, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* p) { jouer(*operations, *p, tableau); });
    apercu.exec();
}

// One at a time; a new one starts from the last loan computed. A closed one
// is on its way out, deleted once the events of its closing are done.
void tarvio::ouvrir_echeancier()
{
    if (!echeancier_ || !echeancier_->isVisible()) {
        echeancier_ = new FenetreEcheancier(this);
        if (depart_)
            echeancier_->partir_de(*depart_);
    }
    echeancier_->show();
    echeancier_->raise();
    echeancier_->activateWindow();
}

void tarvio::montrer_a_propos()
{
    if (!apropos_)
        apropos_ = new Dialog;
    apropos_->show();
    apropos_->raise();
    apropos_->activateWindow();
}
