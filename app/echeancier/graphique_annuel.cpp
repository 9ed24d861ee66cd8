// The chart module: built on Qt Charts, loaded by the program on demand.
#include "echeancier/graphique.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {

class GraphiqueAnnuel : public Graphique {
public:
    explicit GraphiqueAnnuel(QWidget* parent) : Graphique(parent)
    {
        setObjectName("graphique");
        auto* vue = new QChartView(graphique_, this);  // which owns the chart
        vue->setRenderHint(QPainter::Antialiasing);
        (new QVBoxLayout(this))->addWidget(vue);
        graphique_->setTitle("Remboursements par année");
        graphique_->setLocalizeNumbers(true);
        graphique_->legend()->setAlignment(Qt::AlignBottom);

        for (auto [serie, couleur] : {std::pair{capital_, QColor(31, 119, 180)},
                                      {interets_, QColor(255, 127, 14)},
                                      {assurance_, QColor(150, 150, 150)}}) {
            serie->setColor(couleur);
            serie->setBorderColor(couleur);
            barres_->append(serie);
        }
        restant_->setName("Capital restant dû");
        restant_->setPen(QPen(QColor(160, 20, 40), 2));
        restant_contrat_->setName("Capital restant dû sans les événements");
        restant_contrat_->setPen(QPen(QColor(160, 20, 40), 1, Qt::DashLine));
        graphique_->addSeries(barres_);
        graphique_->addSeries(restant_);
        graphique_->addSeries(restant_contrat_);
        annees_->setTitleText("Année");
        par_an_->setTitleText("Payé dans l'année (€)");
        du_->setTitleText("Capital restant dû (€)");
        for (QValueAxis* axe : {par_an_, du_})
            axe->setLabelFormat("%.0f");
        graphique_->addAxis(annees_, Qt::AlignBottom);
        graphique_->addAxis(par_an_, Qt::AlignLeft);
        graphique_->addAxis(du_, Qt::AlignRight);
        barres_->attachAxis(annees_);
        barres_->attachAxis(par_an_);
        for (QLineSeries* serie : {restant_, restant_contrat_}) {
            serie->attachAxis(annees_);
            serie->attachAxis(du_);
        }
    }

    void afficher(const std::vector<credit::Annee>& annees, const std::vector<credit::Annee>& contrat) override
    {
        QStringList noms;
        QList<qreal> capital, interets, assurance;
        QList<QPointF> restant, restant_contrat;
        qreal plus_haute = 0, plus_du = 0;
        for (const credit::Annee& a : annees) {
            capital << a.capital, interets << a.interets, assurance << a.assurance;
            restant << QPointF(restant.size(), a.capital_restant_du);
            plus_haute = std::max(plus_haute, a.capital + a.interets + a.assurance);
            plus_du = std::max(plus_du, a.capital_restant_du + a.capital);
        }
        for (const credit::Annee& a : contrat) {
            restant_contrat << QPointF(restant_contrat.size(), a.capital_restant_du);
            plus_du = std::max(plus_du, a.capital_restant_du + a.capital);
        }
        for (const credit::Annee& a : contrat.size() > annees.size() ? contrat : annees)
            noms << QString::number(a.annee);
        restant_contrat_->replace(restant_contrat);
        if (restant_contrat_->isVisible() == contrat.empty())  // the legend is laid out again on each change
            restant_contrat_->setVisible(!contrat.empty());
        for (auto [serie, valeurs] :
             {std::pair{capital_, &capital}, {interets_, &interets}, {assurance_, &assurance}}) {
            serie->remove(0, serie->count());
            serie->append(*valeurs);
        }
        restant_->replace(restant);
        annees_->clear();  // an empty list would keep the old categories
        annees_->append(noms);
        par_an_->setRange(0, std::max(plus_haute, 1.0));
        du_->setRange(0, std::max(plus_du, 1.0));
        par_an_->applyNiceNumbers();
        du_->applyNiceNumbers();
    }

private:
    QChart* graphique_ = new QChart;
    QStackedBarSeries* barres_ = new QStackedBarSeries;
    QBarSet* capital_ = new QBarSet("Capital");
    QBarSet* interets_ = new QBarSet("Intérêts");
    QBarSet* assurance_ = new QBarSet("Assurance");
    QLineSeries* restant_ = new QLineSeries;
    QLineSeries* restant_contrat_ = new QLineSeries;
    QBarCategoryAxis* annees_ = new QBarCategoryAxis;
    QValueAxis* par_an_ = new QValueAxis;
    QValueAxis* du_ = new QValueAxis;
};

}  // namespace

extern "C" Q_DECL_EXPORT Graphique* tarvio_creer_graphique(QWidget* parent)
{
    return new GraphiqueAnnuel(parent);
}
