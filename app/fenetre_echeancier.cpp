#include "fenetre_echeancier.h"

#include "apparence.h"
#include "controles.h"
#include "echeancier_imprime.h"
#include "graphique.h"
#include "impression.h"
#include "messages.h"
#include "modele_echeancier.h"
#include "nombres.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>

namespace {

const int periodes[] = {12, 4, 1};  // in the order of the periodicity list

const char* const noms_des_totaux[] = {"total_interets", "total_assurance", "total_frais", "cout_total", "taeg",
                                       "taea",           "endettement"};

// A row of the form: the widget named for tests and screen readers, its
// caption a label that gives it the focus, its unit after it.
template <typename W>
W* rangee(QFormLayout* formulaire, W* w, const char* nom, const QString& legende, const char* unite = nullptr)
{
    w->setObjectName(nom);
    w->setAccessibleName(legende);
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(w);
    if (unite)
        ligne->addWidget(new QLabel(unite));
    formulaire->addRow(legende + " :", ligne);
    if (auto* etiquette = qobject_cast<QLabel*>(formulaire->labelForField(ligne)))
        etiquette->setBuddy(w);
    return w;
}

QLineEdit* champ(QFormLayout* formulaire, const char* nom, const QString& legende, const char* unite)
{
    return rangee(formulaire, new QLineEdit, nom, legende, unite);
}

QComboBox* liste(QFormLayout* formulaire, const char* nom, const QString& legende, const QStringList& choix)
{
    QComboBox* l = rangee(formulaire, new QComboBox, nom, legende);
    l->addItems(choix);
    return l;
}

QGroupBox* groupe(const QString& titre, QFormLayout*& formulaire)
{
    auto* boite = new QGroupBox(titre);
    formulaire = new QFormLayout(boite);
    return boite;
}

}  // namespace

FenetreEcheancier::FenetreEcheancier(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("Echeancier");
    setWindowTitle("Tableau d'amortissement");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* colonne = new QVBoxLayout;
    colonne->addWidget(creer_pret());
    colonne->addWidget(creer_assurance_et_frais());
    colonne->addWidget(creer_situation());
    colonne->addStretch();
    auto* mise_en_page = new QHBoxLayout(this);
    mise_en_page->addLayout(colonne);
    mise_en_page->addWidget(creer_resultats(), 1);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

    for (QLineEdit* c : findChildren<QLineEdit*>())
        connect(c, &QLineEdit::textChanged, this, &FenetreEcheancier::recalculer);
    for (QComboBox* l : findChildren<QComboBox*>())
        connect(l, &QComboBox::currentIndexChanged, this, &FenetreEcheancier::recalculer);
    resize(1100, 720);
    recalculer();
}

QWidget* FenetreEcheancier::creer_pret()
{
    QFormLayout* f;
    QGroupBox* boite = groupe("Le prêt", f);
    montant_ = champ(f, "montant", "Montant emprunté", "€");
    taux_ = champ(f, "taux", "Taux nominal annuel", "%");
    nombre_ = champ(f, "nombre", "Nombre d'échéances", "");
    periodicite_ = liste(f, "periodicite", "Une échéance tous les", {"mois", "trimestres", "ans"});
    amortissement_ = liste(f, "amortissement", "Amortissement", {"échéances constantes", "capital constant"});
    moment_ = liste(f, "moment", "Échéances", {"en fin de période", "en début de période"});
    return boite;
}

QWidget* FenetreEcheancier::creer_assurance_et_frais()
{
    QFormLayout* f;
    QGroupBox* boite = groupe("Assurance et frais", f);
    taux_assurance_ = champ(f, "taux_assurance", "Taux d'assurance annuel", "%");
    base_assurance_ = liste(f, "base_assurance", "Calculé sur", {"le capital initial", "le capital restant dû"});
    frais_dossier_ = champ(f, "frais_dossier", "Frais de dossier", "€");
    frais_garantie_ = champ(f, "frais_garantie", "Frais de garantie", "€");
    frais_courtage_ = champ(f, "frais_courtage", "Frais de courtage", "€");
    return boite;
}

QWidget* FenetreEcheancier::creer_situation()
{
    QFormLayout* f;
    QGroupBox* boite = groupe("Votre situation (facultatif)", f);
    revenu_ = champ(f, "revenu", "Revenu net mensuel", "€");
    taux_usure_ = champ(f, "taux_usure", "Taux d'usure", "%");
    auto* source = new QLabel("Le taux d'usure change chaque trimestre : la Banque de France le publie au "
                              "Journal officiel et sur banque-france.fr, par catégorie de prêt.");
    source->setWordWrap(true);
    f->addRow(source);
    return boite;
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

    QFormLayout* f;
    v->addWidget(groupe("Coût du crédit", f));
    std::vector<calc::Total> legendes = calc::totaux({});
    for (std::size_t i = 0; i < legendes.size(); ++i) {
        auto* valeur = new QLabel;
        valeur->setObjectName(noms_des_totaux[i]);
        valeur->setAccessibleName(q(legendes[i].legende));
        valeur->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        f->addRow(q(legendes[i].legende) + " :", valeur);
        totaux_ << valeur;
    }
    alertes_ = new QLabel;
    alertes_->setObjectName("alertes");
    alertes_->setWordWrap(true);
    colorer(alertes_, {QPalette::WindowText}, couleurs::rouge);
    v->addWidget(alertes_);

    auto* onglets = new QTabWidget;
    auto* tableau = new QTableView;
    tableau->setObjectName("tableau");
    modele_ = new ModeleEcheancier(tableau);
    tableau->setModel(modele_);
    tableau->verticalHeader()->hide();
    // Sizes set once: no row or column is measured on each keystroke.
    tableau->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableau->verticalHeader()->setDefaultSectionSize(tableau->fontMetrics().height() + 6);
    QFontMetrics mesure = tableau->fontMetrics();
    for (int c = 0; c < modele_->columnCount(); ++c) {
        QString plus_long = c == 0 ? "0000" : "1 000 000 000,00";
        QString titre = calc::colonnes[static_cast<std::size_t>(c)];
        tableau->setColumnWidth(c, std::max(mesure.horizontalAdvance(plus_long), mesure.horizontalAdvance(titre)) + 16);
    }
    tableau->horizontalHeader()->setStretchLastSection(true);
    tableau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    onglets->addTab(tableau, "Échéancier");
    graphique_ = creer_graphique(onglets);
    onglets->addTab(graphique_ ? static_cast<QWidget*>(graphique_) : new QLabel("Graphique indisponible"), "Graphique");
    connect(onglets, &QTabWidget::currentChanged, this, &FenetreEcheancier::tracer_graphique);
    v->addWidget(onglets, 1);

    auto* boutons = new QHBoxLayout;
    exporter_ = creer_bouton("&Exporter…");
    exporter_->setObjectName("exporter");
    imprimer_ = creer_bouton("&Imprimer…");
    imprimer_->setObjectName("imprimer");
    auto* fermer = creer_bouton("&Fermer");
    fermer->setObjectName("fermer");
    connect(exporter_, &QPushButton::clicked, this, &FenetreEcheancier::exporter);
    connect(imprimer_, &QPushButton::clicked, this, &FenetreEcheancier::imprimer_echeancier);
    connect(fermer, &QPushButton::clicked, this, &QWidget::close);
    boutons->addStretch();
    for (QPushButton* b : {exporter_, imprimer_, fermer})
        boutons->addWidget(b);
    v->addLayout(boutons);
    return resultats;
}

void FenetreEcheancier::partir_de(const calc::Depart& depart)
{
    note_ = q(depart.note);
    for (auto [c, x] : {std::pair{montant_, depart.montant}, {taux_, depart.taux}, {nombre_, double(depart.nombre)}})
        c->setText(q(calc::texte_general(x)));
    periodicite_->setCurrentIndex(
        int(std::find(std::begin(periodes), std::end(periodes), depart.periodes_par_an) - std::begin(periodes)) %
        int(std::size(periodes)));
    moment_->setCurrentIndex(depart.en_debut_de_periode ? 1 : 0);
    recalculer();
}

calc::SaisieOffre FenetreEcheancier::saisie() const
{
    calc::SaisieOffre s;
    s.montant = texte(montant_);
    s.taux = texte(taux_);
    s.nombre = texte(nombre_);
    s.periodes_par_an = periodes[std::max(0, periodicite_->currentIndex())];
    s.amortissement = amortissement_->currentIndex() == 1 ? calc::Amortissement::capital_constant
                                                          : calc::Amortissement::echeances_constantes;
    s.en_debut_de_periode = moment_->currentIndex() == 1;
    s.taux_assurance = texte(taux_assurance_);
    s.base_assurance = base_assurance_->currentIndex() == 1 ? calc::BaseAssurance::capital_restant_du
                                                            : calc::BaseAssurance::capital_initial;
    s.frais_dossier = texte(frais_dossier_);
    s.frais_garantie = texte(frais_garantie_);
    s.frais_courtage = texte(frais_courtage_);
    s.revenu_mensuel = texte(revenu_);
    s.taux_usure = texte(taux_usure_);
    return s;
}

void FenetreEcheancier::recalculer()
{
    calc::Lecture lecture = calc::lire_offre(saisie());
    if (lecture.offre)
        return afficher(*lecture.offre);
    QStringList erreurs;
    for (const std::string& e : lecture.erreurs)
        erreurs << q(e);
    effacer(erreurs.join('\n'));
}

void FenetreEcheancier::afficher(const calc::Offre& offre)
{
    offre_ = offre;
    bilan_ = calc::etablir_bilan(offre);
    dire(note_, Qt::black);
    std::vector<calc::Total> totaux = calc::totaux(bilan_);
    for (int i = 0; i < totaux_.size(); ++i)
        totaux_[i]->setText(q(totaux[static_cast<std::size_t>(i)].texte));
    QStringList alertes;
    for (const std::string& a : bilan_.alertes)
        alertes << q(a);
    alertes_->setText(alertes.join('\n'));
    modele_->afficher(bilan_.lignes);
    tracer_graphique();
    exporter_->setEnabled(true);
    imprimer_->setEnabled(true);
}

// Only while it shows: drawn on each keystroke, it would double the time to answer one.
void FenetreEcheancier::tracer_graphique()
{
    if (graphique_ && graphique_->isVisible())
        graphique_->afficher(offre_ ? calc::par_annee(bilan_.lignes, offre_->pret.periodes_par_an)
                                    : std::vector<calc::Annee>());
}

void FenetreEcheancier::dire(const QString& texte, const QColor& couleur)
{
    etat_->setText(texte);
    colorer(etat_, {QPalette::WindowText}, couleur);
}

void FenetreEcheancier::effacer(const QString& erreurs)
{
    offre_.reset();
    bilan_ = {};
    dire(erreurs, couleurs::rouge);
    for (QLabel* total : totaux_)
        total->setText("—");
    alertes_->clear();
    modele_->afficher({});
    tracer_graphique();
    exporter_->setEnabled(false);
    imprimer_->setEnabled(false);
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
    std::string csv = calc::texte_csv(bilan_.lignes);
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
                    [&document](QPrinter& imprimante, const Suivi&) { return jouer(document, imprimante); }, nullptr});
}
