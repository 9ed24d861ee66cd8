#include "principale/fenetre_principale.h"

#include "commun/aide.h"
#include "commun/apparence.h"
#include "commun/images.h"
#include "commun/messages.h"
#include "commun/twips.h"
#include "capacite/fenetre_capacite.h"
#include "comparaison/fenetre_comparaison.h"
#include "echeancier/fenetre_echeancier.h"
#include "impression/impression.h"
#include "principale/a_propos.h"
#include "principale/calculatrices.h"
#include "principale/grille.h"
#include "principale/panneau_choix.h"
#include "principale/panneau_hypotheses.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>

#include <algorithm>

FenetrePrincipale::FenetrePrincipale()
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
    creer_grille(fond);
    hypotheses_ = new PanneauHypotheses(fond, *choix_, *grille_);
    mensualites_ = new PanneauMensualites(fond, *choix_);
    taux_ = new PanneauTaux(fond, *choix_);
    for (Panneau* p : std::initializer_list<Panneau*>{hypotheses_, mensualites_, taux_})
        p->quand_calcule = [this](const calc::Depart& d) {
            depart_ = d;
            depart_nouveau_ = true;
        };
    creer_menus();
    ordonner_tabulation();

    setFixedSize(fond->width(), fond->height() + menuBar()->sizeHint().height());
    move(screen()->availableGeometry().center() - rect().center());
}

// Ending the program takes an open About window with it; closing the main
// window alone does not.
FenetrePrincipale::~FenetrePrincipale()
{
    delete apropos_;
}

const QString& FenetrePrincipale::flag_erreur() const
{
    return hypotheses_->flag_erreur();
}

std::int16_t FenetrePrincipale::choix_formule() const
{
    return static_cast<std::int16_t>(choix_->formule());
}

// The comparison may ask about unsaved changes, and "Annuler" keeps everything open.
void FenetrePrincipale::closeEvent(QCloseEvent* evenement)
{
    if (comparaison_ && !comparaison_->close()) {
        evenement->ignore();
        return;
    }
    if (auto* aide = findChild<QWidget*>("aide"))
        aide->close();
    if (echeancier_)
        echeancier_->close();
    QMainWindow::closeEvent(evenement);
}

void FenetrePrincipale::creer_images(QWidget* fond)
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

void FenetrePrincipale::creer_menus()
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
    connect(imprimer, &QAction::triggered, this, &FenetrePrincipale::imprimer_rapport);
    connect(action(fichier, "mnapercu", "Aperçu avant impression…"), &QAction::triggered, this,
            &FenetrePrincipale::apercu_rapport);
    fichier->addSeparator()->setObjectName("trait1");
    QAction* quitter = action(fichier, "mnquit", "&Quitter");
    quitter->setShortcut(QKeySequence::Quit);
    connect(quitter, &QAction::triggered, this, &QWidget::close);
    QMenu* credit = menu("mncredit", "&Crédit");
    QAction* echeancier = action(credit, "mnecheancier", "Tableau d'amortissement…");
    echeancier->setShortcut(QKeySequence("Ctrl+T"));
    connect(echeancier, &QAction::triggered, this, &FenetrePrincipale::ouvrir_echeancier);
    QAction* comparer = action(credit, "mncomparer", "Comparer des offres…");
    comparer->setShortcut(QKeySequence("Ctrl+K"));
    connect(comparer, &QAction::triggered, this, &FenetrePrincipale::ouvrir_comparaison);
    connect(action(credit, "mncapacite", "Combien emprunter ?…"), &QAction::triggered, this,
            &FenetrePrincipale::ouvrir_capacite);
    QMenu* aide = menu("mnaide2", "&?");
    QAction* lire_aide = action(aide, "mnaide", "aide");
    lire_aide->setShortcut(QKeySequence::HelpContents);
    connect(lire_aide, &QAction::triggered, this, [this] { ouvrir_aide(this); });
    connect(action(aide, "mnapropos", "A propos"), &QAction::triggered, this, &FenetrePrincipale::montrer_a_propos);
}

// A screen reader names the grid by what it shows; the tool tip describes it.
void FenetrePrincipale::creer_grille(QWidget* fond)
{
    grille_ = new GrilleHypotheses(fond);
    grille_->setObjectName("MSFlexGrid1");
    grille_->setGeometry(rect_twips(3360, 120, 4695, 4575));
    grille_->preparer_coin(embleme_->pixmap());
    grille_->setToolTip("Affichage des hypothèse de crédit");
    grille_->setAccessibleName("Tableau des hypothèses de crédit");
}

// The grid first, so that it holds the focus when the window opens; then
// each panel's controls at their places in the window's order.
void FenetrePrincipale::ordonner_tabulation()
{
    std::vector<std::pair<int, QWidget*>> ordre = {{0, grille_}};
    for (const Panneau* p : std::initializer_list<const Panneau*>{choix_, hypotheses_, mensualites_, taux_})
        ordre.insert(ordre.end(), p->tabulation().begin(), p->tabulation().end());
    std::sort(ordre.begin(), ordre.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1].second, ordre[i].second);
    grille_->setFocus();
}

rapport::Fenetre FenetrePrincipale::contenu_du_rapport() const
{
    return {
        .hypotheses = hypotheses_->pour_rapport(),
        .mensualites = mensualites_->pour_rapport(),
        .taux = taux_->pour_rapport(),
        .date = date_du_jour().toStdString(),
    };
}

TableauImprime FenetrePrincipale::tableau_imprime() const
{
    return {grille_->pour_impression(), grille_->font(), embleme_->pixmap().toImage()};
}

std::optional<std::vector<rapport::Operation>> FenetrePrincipale::rapport_a_imprimer()
{
    rapport::Impression impression = rapport::composer(contenu_du_rapport());
    if (impression.refus) {
        afficher_message(this, *impression.refus);
        return std::nullopt;
    }
    return impression.operations;
}

void FenetrePrincipale::imprimer_rapport()
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
void FenetrePrincipale::apercu_rapport()
{
    auto operations = rapport_a_imprimer();
    if (!operations)
        return;
    TableauImprime tableau = tableau_imprime();
    apercu(
        this, "Rapport Tarvio", [&](QPrinter& p) { jouer(*operations, p, tableau); },
        [&](QPrinter& p) { orienter(*operations, p); });
}

// One, kept while the main window lives; it starts afresh from a loan computed
// since it last did, keeping the rest of what was typed.
void FenetrePrincipale::ouvrir_echeancier()
{
    if (!echeancier_) {
        echeancier_ = new FenetreEcheancier(this);
        echeancier_->ajouter_a_la_comparaison = [this](const credit::OffreBancaire& o) {
            ouvrir_comparaison()->ajouter(o);
        };
    }
    if (depart_ && depart_nouveau_)
        echeancier_->partir_de(*depart_);
    depart_nouveau_ = false;
    echeancier_->show();
    echeancier_->raise();
    echeancier_->activateWindow();
}

// One at a time, kept until closed.
FenetreComparaison* FenetrePrincipale::ouvrir_comparaison()
{
    if (!comparaison_)
        comparaison_ = new FenetreComparaison(this);
    comparaison_->show();
    comparaison_->raise();
    comparaison_->activateWindow();
    return comparaison_;
}

void FenetrePrincipale::ouvrir_capacite()
{
    if (!capacite_) {
        capacite_ = new FenetreCapacite(this);
        capacite_->ajouter_a_la_comparaison = [this](const credit::OffreBancaire& offre) {
            ouvrir_comparaison()->ajouter(offre);
        };
    }
    capacite_->show();
    capacite_->raise();
    capacite_->activateWindow();
}

bool FenetrePrincipale::ouvrir_dossier(const QString& chemin)
{
    bool nouvelle = !comparaison_;
    FenetreComparaison* fenetre = ouvrir_comparaison();
    if (fenetre->ouvrir(chemin))
        return true;
    if (nouvelle)
        fenetre->close();
    return false;
}

void FenetrePrincipale::montrer_a_propos()
{
    if (!apropos_)
        apropos_ = new FenetreAPropos;
    apropos_->show();
    apropos_->raise();
    apropos_->activateWindow();
}
