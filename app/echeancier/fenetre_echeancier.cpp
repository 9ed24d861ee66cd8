#include "echeancier/fenetre_echeancier.h"

#include "calc/nombres.h"
#include "commun/apparence.h"
#include "commun/bouton.h"
#include "commun/formulaire.h"
#include "commun/messages.h"
#include "commun/textes.h"
#include "echeancier/formulaire_offre.h"
#include "echeancier/graphique.h"
#include "credit/plan_evenements.h"
#include "echeancier/modele_echeancier.h"
#include "impression/document_imprime.h"
#include "impression/impression.h"
#include "report/echeancier_imprime.h"

#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>

FenetreEcheancier::FenetreEcheancier(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("Echeancier");
    setWindowTitle("Tableau d'amortissement");
    formulaire_ = new FormulaireOffre;
    auto* mise_en_page = new QHBoxLayout(this);
    auto* defilement = new QScrollArea;  // the form with its events outgrows small screens
    defilement->setWidget(formulaire_);
    defilement->setWidgetResizable(true);
    defilement->setFrameShape(QFrame::NoFrame);
    defilement->setMinimumWidth(formulaire_->sizeHint().width() + 20);
    mise_en_page->addWidget(defilement);
    mise_en_page->addWidget(creer_resultats(), 1);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    // Quitting from here quits the program, as from the main window, which asks first.
    new QShortcut(QKeySequence::Quit, this, parent, &QWidget::close);
    connect(formulaire_, &FormulaireOffre::modifie, this, &FenetreEcheancier::recalculer);
    resize(1100, 720);
    recalculer();
}

QWidget* FenetreEcheancier::creer_resultats()
{
    auto* resultats = new QWidget;
    auto* v = new QVBoxLayout(resultats);
    etat_ = new QLabel;
    etat_->setObjectName("etat");
    etat_->setWordWrap(true);
    etat_->setAccessibleName("État du calcul");
    v->addWidget(etat_);
    auto* totaux = new QHBoxLayout;
    totaux->addWidget(creer_totaux());
    totaux->addWidget(creer_totaux_avec_evenements());
    v->addLayout(totaux);
    alertes_ = etiquette_en_rouge("alertes");
    v->addWidget(alertes_);
    v->addWidget(creer_onglets(), 1);
    v->addLayout(creer_boutons());
    return resultats;
}

// A label a total, named as the total names itself.
QWidget* FenetreEcheancier::creer_totaux()
{
    auto* boite = new QGroupBox("Coût du crédit");
    auto* f = new QFormLayout(boite);
    for (const credit::Total& total : credit::totaux({})) {
        auto* valeur = new QLabel;
        valeur->setObjectName(total.nom);
        valeur->setAccessibleName(q(total.legende));
        valeur->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        f->addRow(q(total.legende) + " :", valeur);
        totaux_.insert(total.nom, valeur);
    }
    return boite;
}

// Beside the contract's, shown while the loan has events.
QWidget* FenetreEcheancier::creer_totaux_avec_evenements()
{
    auto* boite = new QGroupBox("Avec les événements");
    boite->setObjectName("avec_evenements");
    auto* f = new QFormLayout(boite);
    credit::Bilan exemple;
    exemple.evenements.emplace();
    for (const credit::Total& total : credit::totaux_avec_evenements(exemple)) {
        auto* valeur = new QLabel;
        valeur->setObjectName(total.nom);
        valeur->setAccessibleName(q(total.legende) + " avec les événements");
        valeur->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        f->addRow(q(total.legende) + " :", valeur);
        totaux_.insert(total.nom, valeur);
    }
    rentabilites_ = new QLabel;
    rentabilites_->setObjectName("rentabilites");
    rentabilites_->setWordWrap(true);
    f->addRow(rentabilites_);
    boite->hide();
    avec_evenements_ = boite;
    return boite;
}

QWidget* FenetreEcheancier::creer_onglets()
{
    auto* onglets = new QTabWidget;
    QTableView* tableau = creer_tableau_echeancier("tableau");
    modele_ = static_cast<ModeleEcheancier*>(tableau->model());
    onglets->addTab(tableau, "Échéancier");
    graphique_ = creer_graphique(onglets);
    onglets->addTab(graphique_ ? static_cast<QWidget*>(graphique_) : new QLabel("Graphique indisponible"), "Graphique");
    connect(onglets, &QTabWidget::currentChanged, this, &FenetreEcheancier::tracer_graphique);
    return onglets;
}

QLayout* FenetreEcheancier::creer_boutons()
{
    auto bouton = [](const char* nom, const QString& texte) {
        QPushButton* b = creer_bouton(texte);
        b->setObjectName(nom);
        return b;
    };
    comparer_ = bouton("ajouter_comparaison", "&Ajouter à la comparaison");
    exporter_ = bouton("exporter", "&Exporter…");
    apercu_ = bouton("apercu", "Aperç&u…");
    imprimer_ = bouton("imprimer", "&Imprimer…");
    QPushButton* fermer = bouton("fermer", "&Fermer");
    connect(comparer_, &QPushButton::clicked, this, [this] {
        if (offre_)
            ajouter_a_la_comparaison(credit::offre_bancaire(*offre_, "Prêt de " + calc::euros(offre_->pret.capital) +
                                                                         " à " +
                                                                         calc::pour_cent(offre_->pret.taux_annuel)));
    });
    connect(exporter_, &QPushButton::clicked, this, &FenetreEcheancier::exporter);
    connect(apercu_, &QPushButton::clicked, this, &FenetreEcheancier::apercu_echeancier);
    connect(imprimer_, &QPushButton::clicked, this, &FenetreEcheancier::imprimer_echeancier);
    connect(fermer, &QPushButton::clicked, this, &QWidget::close);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    for (QPushButton* b : {comparer_, exporter_, apercu_, imprimer_, fermer})
        boutons->addWidget(b);
    return boutons;
}

void FenetreEcheancier::partir_de(const calc::Depart& depart)
{
    note_ = q(depart.note);
    formulaire_->partir_de(depart);
    recalculer();
}

void FenetreEcheancier::recalculer()
{
    credit::Lecture lecture = credit::lire_offre(formulaire_->saisie());
    if (lecture.offre)
        return afficher(*lecture.offre);
    // Only what was typed wrong is an error; what is still empty is a hint.
    QStringList lignes;
    for (const std::string& e : lecture.erreurs.empty() ? lecture.a_remplir : lecture.erreurs)
        lignes << q(e);
    if (lecture.erreurs.empty())
        effacer("À remplir : " + lignes.join(", ") + ".", Qt::black);
    else
        effacer(lignes.join('\n'), couleurs::rouge);
}

void FenetreEcheancier::afficher(const credit::Offre& offre)
{
    offre_ = offre;
    bilan_ = credit::etablir_bilan(offre);
    dire(note_, Qt::black);
    for (const credit::Total& total : credit::totaux(bilan_))
        totaux_.value(total.nom)->setText(q(total.texte));
    for (const credit::Total& total : credit::totaux_avec_evenements(bilan_))
        totaux_.value(total.nom)->setText(q(total.texte));
    avec_evenements_->setVisible(bilan_.evenements.has_value());
    QStringList rentabilites;
    if (bilan_.evenements)
        for (const std::string& r : bilan_.evenements->rentabilites)
            rentabilites << q(r);
    rentabilites_->setText(rentabilites.join('\n'));
    QStringList alertes;
    for (const std::string& a : bilan_.alertes)
        alertes << q(a);
    if (bilan_.evenements)
        for (const std::string& a : bilan_.evenements->avertissements)
            alertes << q(credit::en_phrase(a));
    alertes_->setText(alertes.join('\n'));
    montrer_les_lignes();
    tracer_graphique();
    for (QPushButton* b : {comparer_, exporter_, apercu_, imprimer_})
        b->setEnabled(true);
}

// The loan as it will run: with its events, each marked on the line it follows.
void FenetreEcheancier::montrer_les_lignes()
{
    if (!bilan_.evenements)
        return modele_->afficher(bilan_.lignes, offre_->pret.premiere_echeance, offre_->pret.periodes_par_an);
    modele_->afficher(bilan_.evenements->lignes, offre_->pret.premiere_echeance, offre_->pret.periodes_par_an,
                      marques(bilan_.evenements->appliques, offre_->pret));
}

// Only while it shows: drawn on each keystroke, it would double the time to answer one.
void FenetreEcheancier::tracer_graphique()
{
    if (!graphique_ || !graphique_->isVisible())
        return;
    if (!offre_)
        return graphique_->afficher({}, {});
    const credit::Pret& p = offre_->pret;
    auto annees = [&p](const std::vector<credit::Ligne>& lignes) {
        return credit::par_annee(lignes, p.periodes_par_an, p.premiere_echeance);
    };
    if (bilan_.evenements)
        graphique_->afficher(annees(bilan_.evenements->lignes), annees(bilan_.lignes));
    else
        graphique_->afficher(annees(bilan_.lignes), {});
}

void FenetreEcheancier::dire(const QString& texte, const QColor& couleur)
{
    etat_->setText(texte);
    colorer(etat_, {QPalette::WindowText}, couleur);
}

void FenetreEcheancier::effacer(const QString& pourquoi, const QColor& couleur)
{
    offre_.reset();
    bilan_ = {};
    dire(pourquoi, couleur);
    for (QLabel* total : totaux_)
        total->setText("—");
    avec_evenements_->hide();
    alertes_->clear();
    modele_->afficher({});
    tracer_graphique();
    for (QPushButton* b : {comparer_, exporter_, apercu_, imprimer_})
        b->setEnabled(false);
}

void FenetreEcheancier::exporter()
{
    QString chemin =
        QFileDialog::getSaveFileName(this, "Exporter le tableau d'amortissement",
                                     QDir::home().filePath("tableau-amortissement.csv"), "Fichiers CSV (*.csv)");
    if (chemin.isEmpty())
        return;
    if (!chemin.endsWith(".csv", Qt::CaseInsensitive))
        chemin += ".csv";
    QSaveFile fichier(chemin);
    std::string csv = credit::texte_csv(bilan_);
    if (fichier.open(QIODevice::WriteOnly) && fichier.write(csv.data(), qint64(csv.size())) == qint64(csv.size()) &&
        fichier.commit())
        return;
    afficher_message(this, {"Le fichier « " + chemin.toStdString() + " » n'a pas pu être écrit :\r\n" +
                                fichier.errorString().toStdString(),
                            "Exporter", calc::Icone::critique});
}

void FenetreEcheancier::imprimer_echeancier()
{
    if (!offre_)
        return;
    rapport::Document document = rapport::echeancier(*offre_, bilan_, date_du_jour().toStdString());
    imprimer(this, {"Imprimer", "Tableau d'amortissement", "le tableau d'amortissement", "tableau-amortissement.pdf",
                    [&](QPrinter& imprimante, const Suivi& suivi) { return jouer(document, imprimante, suivi); },
                    [&](QPrinter& imprimante) { return nombre_de_pages(document, imprimante); }});
}

void FenetreEcheancier::apercu_echeancier()
{
    if (!offre_)
        return;
    rapport::Document document = rapport::echeancier(*offre_, bilan_, date_du_jour().toStdString());
    apercu(this, "Tableau d'amortissement", [&](QPrinter& p) { jouer(document, p); });
}
