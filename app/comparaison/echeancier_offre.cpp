#include "comparaison/echeancier_offre.h"

#include "commun/textes.h"
#include "echeancier/modele_echeancier.h"

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

// Tabs are kept while the count of loans stays: the one read stays in front.
void EcheancierOffre::montrer(const credit::OffreBancaire& offre)
{
    setWindowTitle("Échéancier — " + q(offre.nom));
    while (prets_->count() > static_cast<int>(offre.prets.size()))
        delete prets_->widget(prets_->count() - 1);
    for (int i = prets_->count(); i < static_cast<int>(offre.prets.size()); ++i)
        prets_->addTab(creer_tableau_echeancier(QString("tableau_pret%1").arg(i + 1)), QString("Prêt %1").arg(i + 1));
    for (int i = 0; i < prets_->count(); ++i) {
        auto* tableau = static_cast<QTableView*>(prets_->widget(i));
        static_cast<ModeleEcheancier*>(tableau->model())->afficher(credit::echeancier(offre.prets[static_cast<std::size_t>(i)]));
    }
}
