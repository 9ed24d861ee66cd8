// A picture larger than the page continues on further pages: every pixel
// printed once, cuts between cells, one piece a page, each within its page.
#include "fenetre_test.h"
#include "imprimante.h"

#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// 2000 x 1500 pixels in cells of 400 x 300; records the pieces it is asked for.
class ImageFactice : public ImageDecoupable {
public:
    QSize taille() const override { return {2000, 1500}; }
    QList<int> coupes_x() const override { return {400, 800, 1200, 1600, 2000}; }
    QList<int> coupes_y() const override { return {300, 600, 900, 1200, 1500}; }
    void dessiner(QPainter& peintre, const QRect& source) const override
    {
        morceaux.append(source);
        peintre.fillRect(QRect(QPoint(), source.size()), Qt::black);
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

    // In screen pixels, as the picture counts them; the first piece starts 5000 twips down.
    QSizeF page = pdf.pageLayout().paintRect(QPageLayout::Inch).size() * 96;
    QRegion couvert;
    for (const QRect& m : image.morceaux) {
        EXPECT_FALSE(couvert.intersects(m));
        couvert += m;
        EXPECT_TRUE(image.coupes_x().contains(m.right() + 1) && image.coupes_y().contains(m.bottom() + 1));
        EXPECT_TRUE(m.width() <= page.width() && m.height() <= page.height() - (m.top() ? 0 : 5000 / 15.0));
    }
    EXPECT_EQ(couvert, QRegion(0, 0, 2000, 1500));
    auto pages = QRegularExpression("Pages:\\s+(\\d+)").match(poppler("pdfinfo", {dossier.filePath("grand.pdf")}));
    EXPECT_EQ(pages.captured(1).toInt(), image.morceaux.size());
}
