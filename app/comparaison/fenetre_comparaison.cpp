#include "comparaison/fenetre_comparaison.h"

#include "commun/bouton.h"
#include "commun/messages.h"
#include "commun/textes.h"
#include "comparaison/modele_comparaison.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QSpinBox>
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
    resize(1000, 640);
    afficher();
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
    return colonne;
}

QWidget* FenetreComparaison::creer_centre()
{
    auto* centre = new QWidget;
    auto* v = new QVBoxLayout(centre);
    auto* ligne = new QFormLayout;
    horizon_ = new QSpinBox;
    horizon_->setObjectName("horizon");
    horizon_->setRange(1, credit::horizon_maxi_annees);
    horizon_->setSuffix(" ans");
    horizon_->setAccessibleName("Horizon en années");
    ligne->addRow("Comparer au bout de :", horizon_);
    v->addLayout(ligne);
    auto* tableau = new QTableView;
    tableau->setObjectName("comparaison");
    modele_ = new ModeleComparaison(tableau);
    tableau->setModel(modele_);
    tableau->setTabKeyNavigation(false);
    tableau->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    v->addWidget(tableau, 1);
    croisements_ = new QLabel;
    croisements_->setObjectName("croisements");
    croisements_->setWordWrap(true);
    v->addWidget(croisements_);
    connect(horizon_, &QSpinBox::valueChanged, this, [this](int annees) {
        if (annees == dossier_.horizon_annees)
            return;
        credit::Dossier d = dossier_;
        d.horizon_annees = annees;
        changer(std::move(d));
    });
    return centre;
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
    credit::Comparaison c = credit::comparer(dossier_);
    QStringList phrases;
    for (const std::string& p : c.croisements)
        phrases << q(p) + ".";
    croisements_->setText(phrases.join('\n'));
    int choisie = offres_->currentRow();
    offres_->clear();
    for (const std::string& n : c.noms)
        offres_->addItem(q(n));
    offres_->setCurrentRow(std::min(choisie, offres_->count() - 1));
    modele_->afficher(std::move(c));
}

void FenetreComparaison::ajouter(const credit::OffreBancaire& offre)
{
    credit::Dossier d = dossier_;
    d.offres.push_back(offre);
    changer(std::move(d));
    offres_->setCurrentRow(offres_->count() - 1);
}

int FenetreComparaison::offre_choisie() const
{
    int i = offres_->currentRow();
    return i >= 0 && i < static_cast<int>(dossier_.offres.size()) ? i : -1;
}

void FenetreComparaison::renommer()
{
    int i = offre_choisie();
    if (i < 0)
        return;
    bool ok = false;
    QString nom = QInputDialog::getText(this, "Renommer l'offre", "Nom de l'offre :", QLineEdit::Normal,
                                        q(dossier_.offres[static_cast<std::size_t>(i)].nom), &ok)
                      .trimmed();
    if (!ok || nom.isEmpty())
        return;
    credit::Dossier d = dossier_;
    d.offres[static_cast<std::size_t>(i)].nom = nom.toStdString();
    changer(std::move(d));
}

void FenetreComparaison::dupliquer()
{
    int i = offre_choisie();
    if (i < 0)
        return;
    credit::OffreBancaire copie = dossier_.offres[static_cast<std::size_t>(i)];
    copie.nom += " (copie)";
    ajouter(copie);
}

void FenetreComparaison::deplacer(int pas)
{
    int i = offre_choisie(), j = i + pas;
    if (i < 0 || j < 0 || j >= static_cast<int>(dossier_.offres.size()))
        return;
    credit::Dossier d = dossier_;
    std::swap(d.offres[static_cast<std::size_t>(i)], d.offres[static_cast<std::size_t>(j)]);
    offres_->setCurrentRow(j);
    changer(std::move(d));
}

void FenetreComparaison::supprimer()
{
    int i = offre_choisie();
    if (i < 0)
        return;
    const std::string& nom = dossier_.offres[static_cast<std::size_t>(i)].nom;
    if (!demander(this, {"Supprimer l'offre « " + nom + " » du dossier ?", "Dossier", calc::Icone::exclamation}))
        return;
    credit::Dossier d = dossier_;
    d.offres.erase(d.offres.begin() + i);
    changer(std::move(d));
}
