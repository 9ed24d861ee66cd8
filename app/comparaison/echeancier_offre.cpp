#include "comparaison/echeancier_offre.h"

#include "commun/textes.h"
#include "calc/nombres.h"
#include "credit/argent.h"
#include "credit/deroulement.h"
#include "credit/lissage.h"
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
// as smoothed or with its events, their lines marked; with several loans, a last tab adds
// them up month by month.
void EcheancierOffre::montrer(const credit::OffreBancaire& offre)
{
    setWindowTitle("Échéancier — " + q(offre.nom));
    int onglets = static_cast<int>(offre.prets.size()) + (offre.prets.size() > 1 ? 1 : 0);
    while (prets_->count() > onglets)
        delete prets_->widget(prets_->count() - 1);
    for (int i = prets_->count(); i < onglets; ++i)
        prets_->addTab(creer_tableau_echeancier(QString("tableau_pret%1").arg(i + 1)), QString());
    credit::Financement f = credit::financer(offre);
    QStringList avertissements;
    std::vector<std::vector<credit::Ligne>> lignes;
    for (std::size_t i = 0; i < offre.prets.size(); ++i) {
        const credit::Pret& pret = offre.prets[i];
        credit::Deroulement d = credit::derouler(pret, offre.credit, offre.indemnites);
        if (pret.evenements.empty() && i < f.lignes.size())
            d.lignes = f.lignes[i];
        lignes.push_back(d.lignes);
        prets_->setTabText(static_cast<int>(i), pret.nom.empty() ? QString("Prêt %1").arg(i + 1) : q(pret.nom));
        modele(static_cast<int>(i))->afficher(std::move(d.lignes), pret.premiere_echeance, pret.periodes_par_an,
                                              marques(d.evenements, pret));
        for (const std::string& a : d.avertissements)
            avertissements << QString("Prêt %1, ").arg(i + 1) + q(a) + ".";
    }
    if (offre.prets.size() > 1) {
        prets_->setTabText(onglets - 1, "Ensemble, mois par mois");
        prets_->widget(onglets - 1)->setObjectName("tableau_ensemble");
        modele(onglets - 1)->afficher(credit::par_mois(offre.prets, lignes));
    }
    if (f.versement)
        avertissements << "Versement lissé : " + q(calc::euros(credit::en_euros(*f.versement))) + " par mois.";
    avertissements_->setText(avertissements.join('\n'));
}

ModeleEcheancier* EcheancierOffre::modele(int onglet) const
{
    return static_cast<ModeleEcheancier*>(static_cast<QTableView*>(prets_->widget(onglet))->model());
}
