// A picture larger than the page continues on further pages: every pixel
// printed once, cuts between cells, one piece a page.
#include "fenetre_test.h"
#include "imprimante.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

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
    mutable QList<QRect> morceaux;

private:
    static QList<int> pas(int p, int fin)
    {
        QList<int> l;
        for (int x = p; x <= fin; x += p)
            l << x;
        return l;
    }
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

    long aire = 0;
    for (const QRect& m : image.morceaux) {
        aire += long(m.width()) * m.height();
        EXPECT_TRUE(m.right() + 1 == 2000 || (m.right() + 1) % 90 == 0) << m.right();
        EXPECT_TRUE(m.bottom() + 1 == 1500 || (m.bottom() + 1) % 16 == 0) << m.bottom();
        for (const QRect& autre : image.morceaux)
            EXPECT_TRUE(&m == &autre || !m.intersects(autre));
    }
    EXPECT_EQ(aire, 2000L * 1500);
    EXPECT_GT(image.morceaux.size(), 4);
    EXPECT_EQ(image.morceaux.front().topLeft(), QPoint(0, 0));

    EXPECT_EQ(pages_pdf(dossier.filePath("grand.pdf")), image.morceaux.size());
}
