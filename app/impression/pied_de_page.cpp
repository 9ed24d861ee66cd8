#include "impression/pied_de_page.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

QFont police_du_pied()
{
    return QFont("arial", 9);
}

}  // namespace

double hauteur_du_pied(QPaintDevice& appareil)
{
    return 1.5 * QFontMetricsF(police_du_pied(), &appareil).lineSpacing();
}

void numeroter_la_page(QPainter& peintre, QSizeF taille, double pied, int page, int total)
{
    if (total < 2)
        return;
    peintre.save();
    peintre.setFont(police_du_pied());
    peintre.setPen(Qt::black);
    QRectF bas(0, taille.height() - pied, taille.width(), pied);
    peintre.drawText(bas, Qt::AlignHCenter | Qt::AlignBottom, QString("Page %1 / %2").arg(page).arg(total));
    peintre.restore();
}
