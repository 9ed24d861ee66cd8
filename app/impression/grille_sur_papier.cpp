#include "impression/grille_sur_papier.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

// Edges from 0: the heading's, then those of sizes [debut, fin).
std::vector<double> bords(int en_tete, const std::vector<int>& tailles, int debut, int fin, double par_pixel)
{
    std::vector<double> b = {0, en_tete * par_pixel};
    for (int i = debut; i < fin; ++i)
        b.push_back(b.back() + tailles[static_cast<std::size_t>(i)] * par_pixel);
    return b;
}

// One line of text in its box, centred or against its right side.
void ecrire(QPainter& peintre, const QFontMetricsF& mesure, const QRectF& boite, const std::string& texte,
            bool a_droite)
{
    if (texte.empty())
        return;
    QString t = QString::fromStdString(texte);
    double largeur = mesure.horizontalAdvance(t), marge = mesure.averageCharWidth() / 2;
    double x = a_droite ? boite.right() - marge - largeur : boite.center().x() - largeur / 2;
    peintre.drawText(QPointF(x, boite.center().y() + (mesure.ascent() - mesure.descent()) / 2), t);
}

}  // namespace

void dessiner(QPainter& peintre, const rapport::GrilleImprimee& g, const QFont& police, const rapport::Morceau& m,
              double par_pixel)
{
    const std::vector<double> x = bords(g.largeur_en_tete, g.largeurs, m.colonne, m.fin_colonne, par_pixel);
    const std::vector<double> y = bords(g.hauteur_en_tete, g.hauteurs, m.ligne, m.fin_ligne, par_pixel);
    const std::size_t colonnes = g.largeurs.size();
    auto texte = [](const std::vector<std::string>& textes, std::size_t i) {
        return i < textes.size() ? textes[i] : std::string();
    };

    peintre.save();
    peintre.setFont(police);
    peintre.setPen(Qt::black);
    QFontMetricsF mesure(police, peintre.device());
    for (std::size_t i = 2; i < x.size(); ++i) {
        std::size_t c = static_cast<std::size_t>(m.colonne) + i - 2;
        ecrire(peintre, mesure, QRectF(x[i - 1], 0, x[i] - x[i - 1], y[1]), texte(g.en_tetes_colonnes, c), false);
    }
    for (std::size_t j = 2; j < y.size(); ++j) {
        std::size_t r = static_cast<std::size_t>(m.ligne) + j - 2;
        ecrire(peintre, mesure, QRectF(0, y[j - 1], x[1], y[j] - y[j - 1]), texte(g.en_tetes_lignes, r), false);
        for (std::size_t i = 2; i < x.size(); ++i) {
            std::size_t c = static_cast<std::size_t>(m.colonne) + i - 2;
            ecrire(peintre, mesure, QRectF(x[i - 1], y[j - 1], x[i] - x[i - 1], y[j] - y[j - 1]),
                   texte(g.cellules, r * colonnes + c), true);
        }
    }
    QList<QLineF> traits;
    for (double bord : x)
        traits.append(QLineF(bord, 0, bord, y.back()));
    for (double bord : y)
        traits.append(QLineF(0, bord, x.back(), bord));
    peintre.setPen(QPen(Qt::black, 0.75 * par_pixel));
    peintre.drawLines(traits);
    peintre.restore();
}
