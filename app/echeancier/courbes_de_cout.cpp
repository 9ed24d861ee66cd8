// In the chart module: the comparison's cost curves, on Qt Charts.
#include "echeancier/graphique.h"

#include <QChartView>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {

class CourbesDeCout : public Courbes {
public:
    explicit CourbesDeCout(QWidget* parent) : Courbes(parent)
    {
        setObjectName("courbes");
        auto* vue = new QChartView(graphique_, this);  // which owns the chart
        vue->setRenderHint(QPainter::Antialiasing);
        (new QVBoxLayout(this))->addWidget(vue);
        graphique_->setTitle("Coût de chaque offre si le prêt s'arrête au bout de…");
        graphique_->setLocalizeNumbers(true);
        graphique_->legend()->setAlignment(Qt::AlignBottom);
        annees_->setTitleText("Années");
        annees_->setLabelFormat("%.0f");
        cout_->setTitleText("Coût (€)");
        cout_->setLabelFormat("%.0f");
        graphique_->addAxis(annees_, Qt::AlignBottom);
        graphique_->addAxis(cout_, Qt::AlignLeft);
    }

    // Series are kept while the count of offers stays, their points replaced:
    // the legend is laid out again only when an offer comes or goes.
    void afficher(const std::vector<std::string>& noms, const std::vector<std::vector<double>>& couts) override
    {
        std::size_t n = std::min(noms.size(), couts.size());
        if (graphique_->series().size() != static_cast<qsizetype>(n))
            creer_series(n);
        double plus_haut = 1;
        std::size_t annees = 1;
        for (std::size_t i = 0; i < n; ++i) {
            auto* serie = static_cast<QLineSeries*>(graphique_->series()[static_cast<qsizetype>(i)]);
            if (serie->name() != QString::fromStdString(noms[i]))
                serie->setName(QString::fromStdString(noms[i]));
            QList<QPointF> points;
            for (std::size_t a = 0; a < couts[i].size(); ++a) {
                points.append({static_cast<double>(a + 1), couts[i][a]});
                plus_haut = std::max(plus_haut, couts[i][a]);
            }
            serie->replace(points);
            annees = std::max(annees, couts[i].size());
        }
        annees_->setRange(1, static_cast<double>(annees));
        cout_->setRange(0, plus_haut);
        cout_->applyNiceNumbers();
    }

    QStringList lignes() const override
    {
        QStringList l;
        for (QAbstractSeries* s : graphique_->series())
            l << QString("%1 : %2").arg(s->name()).arg(static_cast<QLineSeries*>(s)->count());
        return l;
    }

private:
    void creer_series(std::size_t n)
    {
        graphique_->removeAllSeries();
        for (std::size_t i = 0; i < n; ++i) {
            auto* serie = new QLineSeries;
            graphique_->addSeries(serie);
            serie->attachAxis(annees_);
            serie->attachAxis(cout_);
        }
    }

    QChart* graphique_ = new QChart;
    QValueAxis* annees_ = new QValueAxis;
    QValueAxis* cout_ = new QValueAxis;
};

}  // namespace

extern "C" Q_DECL_EXPORT Courbes* tarvio_creer_courbes(QWidget* parent)
{
    return new CourbesDeCout(parent);
}
