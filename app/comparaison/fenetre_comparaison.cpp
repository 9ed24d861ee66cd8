#include "comparaison/fenetre_comparaison.h"

#include "calc/nombres.h"
#include "commun/apparence.h"
#include "commun/bouton.h"
#include "commun/formulaire.h"
#include "commun/textes.h"
#include "comparaison/editeur_offre.h"
#include "comparaison/modele_comparaison.h"
#include "comparaison/recents.h"
#include "echeancier/graphique.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>

FenetreComparaison::FenetreComparaison(QWidget* parent) : QMainWindow(parent, Qt::Window)
{
    setObjectName("Comparaison");
    setAttribute(Qt::WA_DeleteOnClose);
    creer_menus();
    auto* centre = new QWidget;
    auto* mise_en_page = new QHBoxLayout(centre);
    mise_en_page->addWidget(creer_offres());
    mise_en_page->addWidget(creer_centre(), 1);
    setCentralWidget(centre);
    resize(1200, 800);
    afficher();
}

// Filled as it opens: another window may have opened or saved one since.
void FenetreComparaison::lister_recents(QMenu* menu)
{
    menu->clear();
    int rang = 0;
    for (const QString& chemin : dossiers_recents()) {
        QAction* a = menu->addAction(QString("&%1 %2").arg(++rang).arg(QFileInfo(chemin).fileName()));
        a->setObjectName(QString("mnrecent%1").arg(rang));
        a->setToolTip(chemin);
        connect(a, &QAction::triggered, this, [this, chemin] { ouvrir(chemin); });
    }
    if (rang == 0)
        menu->addAction("Aucun dossier")->setEnabled(false);
}

void FenetreComparaison::creer_menus()
{
    QMenu* menu = menuBar()->addMenu("&Dossier");
    menu->setObjectName("mndossier");
    auto action = [&](const char* nom, const QString& titre, QKeySequence touches, auto quoi) {
        QAction* a = menu->addAction(titre);
        a->setObjectName(nom);
        a->setShortcut(touches);
        connect(a, &QAction::triggered, this, quoi);
    };
    action("mnnouveau", "&Nouveau", QKeySequence::New, [this] {
        if (peut_abandonner())
            nouveau();
    });
    action("mnouvrir", "&Ouvrir…", QKeySequence::Open, &FenetreComparaison::choisir_et_ouvrir);
    action("mnenregistrer", "&Enregistrer", QKeySequence::Save, &FenetreComparaison::enregistrer);
    action("mnenregistrer_sous", "Enregistrer &sous…", QKeySequence::SaveAs, &FenetreComparaison::enregistrer_sous);
    QMenu* recents = menu->addMenu("Dossiers &récents");
    recents->setObjectName("mnrecents");
    connect(recents, &QMenu::aboutToShow, this, [this, recents] { lister_recents(recents); });
    menu->addSeparator();
    action("mnexporter", "E&xporter…", QKeySequence(), &FenetreComparaison::exporter);
    action("mnapercu", "Aperçu avant impression…", QKeySequence(), &FenetreComparaison::apercu_comparaison);
    action("mnimprimer", "&Imprimer…", QKeySequence::Print, &FenetreComparaison::imprimer_comparaison);
    menu->addSeparator();
    action("mnfermer", "&Fermer", QKeySequence::Close, &QWidget::close);
    // Quitting from here quits the program, as from the main window, which asks first.
    action("mnquitter", "&Quitter", QKeySequence::Quit, [this] { parentWidget()->close(); });
}

QWidget* FenetreComparaison::creer_offres()
{
    auto* colonne = new QWidget;
    auto* v = new QVBoxLayout(colonne);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(new QLabel("Offres :"));
    offres_ = new QListWidget;
    offres_->setObjectName("offres");
    offres_->setAccessibleName("Offres du dossier");
    v->addWidget(offres_, 1);
    auto bouton = [&](const char* nom, const QString& texte, auto quoi) {
        QPushButton* b = creer_bouton(texte);
        b->setObjectName(nom);
        connect(b, &QPushButton::clicked, this, quoi);
        v->addWidget(b);
    };
    bouton("renommer", "&Renommer…", &FenetreComparaison::renommer);
    bouton("dupliquer", "&Dupliquer", &FenetreComparaison::dupliquer);
    bouton("monter", "&Monter", [this] { deplacer(-1); });
    bouton("descendre", "Des&cendre", [this] { deplacer(1); });
    bouton("supprimer", "Su&pprimer…", &FenetreComparaison::supprimer);
    bouton("echeancier", "É&chéancier…", &FenetreComparaison::ouvrir_echeancier);
    bouton("rachat", "R&achat par une autre banque…", &FenetreComparaison::racheter);
    connect(offres_, &QListWidget::itemActivated, this, &FenetreComparaison::ouvrir_echeancier);
    editeur_ = new EditeurOffre;
    v->addWidget(editeur_, 3);
    connect(offres_, &QListWidget::currentRowChanged, this, &FenetreComparaison::montrer_l_offre_choisie);
    connect(editeur_, &EditeurOffre::modifiee, this, [this](const credit::OffreBancaire& offre) {
        int i = offre_choisie();
        if (i < 0)
            return;
        credit::Dossier d = dossier_;
        d.offres[static_cast<std::size_t>(i)] = offre;
        changer(std::move(d));
    });
    return colonne;
}

QWidget* FenetreComparaison::creer_centre()
{
    auto* centre = new QWidget;
    auto* v = new QVBoxLayout(centre);
    v->addLayout(creer_situation());
    auto* tableau = new QTableView;
    tableau->setObjectName("comparaison");
    modele_ = new ModeleComparaison(tableau);
    tableau->setModel(modele_);
    tableau->setTabKeyNavigation(false);
    tableau->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* onglets = new QTabWidget;
    onglets->setObjectName("onglets");
    onglets->addTab(tableau, "Tableau");
    courbes_ = creer_courbes(onglets);
    onglets->addTab(courbes_ ? static_cast<QWidget*>(courbes_) : new QLabel("Graphique indisponible"),
                    "Coût au fil des années");
    connect(onglets, &QTabWidget::currentChanged, this, &FenetreComparaison::tracer_courbes);
    v->addWidget(onglets, 1);
    croisements_ = new QLabel;
    croisements_->setObjectName("croisements");
    croisements_->setWordWrap(true);
    v->addWidget(croisements_);
    return centre;
}

// The horizon and the household's situation, which every offer's figures depend on.
QLayout* FenetreComparaison::creer_situation()
{
    auto* ligne = new QFormLayout;
    horizon_ = new QSpinBox;
    horizon_->setObjectName("horizon");
    horizon_->setRange(1, credit::horizon_maxi_annees);
    horizon_->setSuffix(" ans");
    horizon_->setAccessibleName("Horizon en années");
    ligne->addRow("Comparer au bout de :", horizon_);
    auto champ = [&](const char* nom, const QString& legende) {
        auto* c = new QLineEdit;
        c->setObjectName(nom);
        c->setAccessibleName(legende);
        ligne->addRow(legende + " :", c);
        connect(c, &QLineEdit::textEdited, this, &FenetreComparaison::lire_situation);
        return c;
    };
    revenu_ = champ("revenu_mensuel", "Revenu net mensuel (€)");
    charges_ = champ("charges_mensuelles", "Autres charges mensuelles (€)");
    usure_ = champ("taux_usure", "Taux d'usure (%)");
    connect(horizon_, &QSpinBox::valueChanged, this, [this](int annees) {
        if (annees == dossier_.horizon_annees)
            return;
        credit::Dossier d = dossier_;
        d.horizon_annees = annees;
        changer(std::move(d));
    });
    return ligne;
}

namespace {

// A field's value: none when empty, false when wrong; `unite` may follow the number.
std::pair<bool, std::optional<double>> lire(const QLineEdit* champ, const char* unite, double mini, double maxi)
{
    if (champ->text().trimmed().isEmpty())
        return {true, std::nullopt};
    auto x = calc::virg_unite(texte(champ), unite);
    return {x && *x >= mini && *x <= maxi, x};
}

void montrer(QLineEdit* champ, std::optional<double> x, double facteur = 1)
{
    if (!champ->hasFocus())
        champ->setText(texte_du_nombre(x ? std::optional(*x * facteur) : std::nullopt));
}

}  // namespace

// A wrong field shows red and leaves the dossier as it was.
void FenetreComparaison::lire_situation()
{
    auto [revenu_ok, revenu] = lire(revenu_, "€", 0.01, credit::capital_maxi);
    auto [charges_ok, charges] = lire(charges_, "€", 0, credit::capital_maxi);
    auto [usure_ok, usure] = lire(usure_, "%", 0.01, 100);
    for (auto [champ, ok] : {std::pair{revenu_, revenu_ok}, {charges_, charges_ok}, {usure_, usure_ok}})
        colorer(champ, {QPalette::Text}, ok ? QColor(Qt::black) : couleurs::rouge);
    if (!revenu_ok || !charges_ok || !usure_ok)
        return;
    credit::Dossier d = dossier_;
    d.situation = {revenu, charges, usure ? std::optional(calc::centieme(*usure)) : std::nullopt};
    if (d.situation != dossier_.situation)
        changer(std::move(d));
}

void FenetreComparaison::changer(credit::Dossier dossier)
{
    dossier_ = std::move(dossier);
    setWindowModified(true);
    afficher();
}

// Everything shown comes from the dossier.
void FenetreComparaison::afficher()
{
    QString nom = chemin_.isEmpty() ? "Nouveau dossier" : QFileInfo(chemin_).fileName();
    setWindowTitle(nom + "[*] — Comparaison des offres");
    horizon_->setValue(dossier_.horizon_annees);
    montrer(revenu_, dossier_.situation.revenu_mensuel);
    montrer(charges_, dossier_.situation.charges_mensuelles);
    montrer(usure_, dossier_.situation.taux_usure, 100);
    credit::Comparaison c = credit::comparer(dossier_);
    QStringList phrases;
    for (const std::string& p : c.croisements)
        phrases << q(p) + ".";
    croisements_->setText(phrases.join('\n'));
    int choisie = offres_->currentRow();
    offres_->blockSignals(true);
    offres_->clear();
    for (const std::string& n : c.noms)
        offres_->addItem(q(n));
    offres_->setCurrentRow(std::min(std::max(choisie, 0), offres_->count() - 1));
    offres_->blockSignals(false);
    montrer_l_offre_choisie();
    modele_->afficher(std::move(c));
    tracer_courbes();
}

// Only while it shows: the chart costs more than every figure.
void FenetreComparaison::tracer_courbes()
{
    if (courbes_ && courbes_->isVisible())
        courbes_->afficher(modele_->comparaison().noms, modele_->comparaison().couts);
}
