#include "comparaison/echeancier_offre.h"

#include "commun/textes.h"
#include "credit/deroulement.h"
#include "echeancier/modele_echeancier.h"

#include <QLabel>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

EcheancierOffre::EcheancierOffre(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("EcheancierOffre");
    setAttribute(Qt::WA_DeleteOnClose);
    prets_ = new QTabWidget;
    prets_->setObjectName("prets");
    auto* v = new QVBoxLayout(this);
    v->addWidget(prets_);
    avertissements_ = new QLabel;
    avertissements_->setObjectName("avertissements");
    avertissements_->setWordWrap(true);
    v->addWidget(avertissements_);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    // Quitting from here quits the program, as from the main window, which asks first.
    new QShortcut(QKeySequence::Quit, this, [this] {
        QWidget* principale = this;
        while (principale->parentWidget())
            principale = principale->parentWidget();
        principale->close();
    });
    resize(900, 640);
}

// Tabs are kept while the count of loans stays: the one read stays in front. Each loan runs
// with its events, their lines marked.
void EcheancierOffre::montrer(const credit::OffreBancaire& offre)
{
    setWindowTitle("Échéancier — " + q(offre.nom));
    while (prets_->count() > static_cast<int>(offre.prets.size()))
        delete prets_->widget(prets_->count() - 1);
    for (int i = prets_->count(); i < static_cast<int>(offre.prets.size()); ++i)
        prets_->addTab(creer_tableau_echeancier(QString("tableau_pret%1").arg(i + 1)), QString("Prêt %1").arg(i + 1));
    QStringList avertissements;
    for (int i = 0; i < prets_->count(); ++i) {
        const credit::Pret& pret = offre.prets[static_cast<std::size_t>(i)];
        credit::Deroulement d = credit::derouler(pret, offre.credit, offre.indemnites);
        auto* tableau = static_cast<QTableView*>(prets_->widget(i));
        static_cast<ModeleEcheancier*>(tableau->model())
            ->afficher(std::move(d.lignes), pret.premiere_echeance, pret.periodes_par_an, marques(d.evenements, pret));
        for (const std::string& a : d.avertissements)
            avertissements << QString("Prêt %1, ").arg(i + 1) + q(a) + ".";
    }
    avertissements_->setText(avertissements.join('\n'));
}
