// A picture larger than the page continues on further pages: every pixel
// printed once, cuts between cells, one piece a page.
#include "fenetre_test.h"
#include "imprimante.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

// 2000 x 1500 pixels in cells of 90 x 16; records the pieces it is asked for.
class ImageFactice : public ImageDecoupable {
public:
    QSize taille() const override { return {2000, 1500}; }
    QList<int> coupes_x() const override { return pas(90, 2000); }
    QList<int> coupes_y() const override { return pas(16, 1500); }
    void dessiner(QPainter& peintre, const QRect& source) const override
    {
        morceaux.append(source);
        peintre.fillRect(QRect(QPoint(), source.size()), Qt::black);
    }
    static QList<int> pas(int p, int fin)
    {
        QList<int> l;
        for (int x = p; x < fin; x += p)
            l << x;
        return l << fin;
    }
    mutable QList<QRect> morceaux;
};

}  // namespace

TEST(Decoupage, GrandeImageSurPlusieursPages)
{
    QTemporaryDir dossier;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dossier.filePath("grand.pdf"));
    ImageFactice image;
    ASSERT_TRUE(jouer({rapport::Image{0, 5000}, rapport::Texte{"fin"}, rapport::Fin{}}, pdf, image));

    QRegion couvert;
    for (const QRect& m : image.morceaux) {
        EXPECT_FALSE(couvert.intersects(m));
        couvert += m;
        EXPECT_TRUE(image.coupes_x().contains(m.right() + 1) && image.coupes_y().contains(m.bottom() + 1));
    }
    EXPECT_EQ(couvert, QRegion(0, 0, 2000, 1500));
    EXPECT_EQ(image.morceaux.front().topLeft(), QPoint(0, 0));
    EXPECT_EQ(pages_pdf(dossier.filePath("grand.pdf")), image.morceaux.size());
}
