#include "imprimante.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace {

template <class... F>
struct Selon : F... {
    using F::operator()...;
};

// The last edge at or before `limite`, past `debut`; `limite` itself where
// no edge would make progress.
int couper(const QList<int>& coupes, int debut, int limite)
{
    int meilleure = limite;
    for (int c : coupes)
        if (c > debut && c <= limite)
            meilleure = c;
    return meilleure;
}

// Bands [debut, fin) covering 0 .. longueur, the first at most `premiere`
// long and the others at most `suivante`.
QList<std::pair<int, int>> bandes(const QList<int>& coupes, int longueur, int premiere, int suivante)
{
    QList<std::pair<int, int>> liste;
    for (int debut = 0, place = std::max(1, premiere); debut < longueur; place = std::max(1, suivante)) {
        int fin = std::min(longueur, couper(coupes, debut, debut + place));
        liste.append({debut, fin});
        debut = fin;
    }
    return liste;
}

class Lecteur {
public:
    Lecteur(QPrinter& imprimante, QPainter& peintre, const ImageDecoupable& image)
        : imprimante_(imprimante), peintre_(peintre), image_(image), par_twip_(imprimante.resolution() / 1440.0),
          par_pixel_(imprimante.resolution() / 96.0),
          page_(imprimante.pageLayout().paintRectPixels(imprimante.resolution()).size()), police_("arial", 10)
    {
    }

    void operator()(const rapport::Police& p) { police_.setFamily(QString::fromStdString(p.nom)); }
    void operator()(const rapport::Taille& t) { police_.setPointSizeF(t.points); }
    void operator()(const rapport::Orientation&) {}  // applied before the first page

    void operator()(const rapport::Texte& t)
    {
        peintre_.setFont(police_);
        QFontMetricsF mesure(police_, &imprimante_);
        for (const QString& ligne : QString::fromStdString(t.texte).split("\r\n")) {
            peintre_.drawText(QPointF(0, y_ + mesure.ascent()), ligne);
            y_ += mesure.lineSpacing();
        }
    }

    void operator()(const rapport::Image& i)
    {
        QPointF coin(i.x * par_twip_, i.y * par_twip_);
        QSize taille = image_.taille();
        auto colonnes = bandes(image_.coupes_x(), taille.width(), int((page_.width() - coin.x()) / par_pixel_),
                               int((page_.width() - coin.x()) / par_pixel_));
        auto lignes = bandes(image_.coupes_y(), taille.height(), int((page_.height() - coin.y()) / par_pixel_),
                             int(page_.height() / par_pixel_));
        for (const auto& [gauche, droite] : colonnes)
            for (const auto& [haut, bas] : lignes) {
                QRect morceau(gauche, haut, droite - gauche, bas - haut);
                if (suite_.isEmpty() && morceau.topLeft() == QPoint(0, 0))
                    dessiner(morceau, coin);
                else
                    suite_.append(morceau);
            }
        coin_suite_x_ = coin.x();
    }

    void operator()(const rapport::Fin&)
    {
        for (const QRect& morceau : std::exchange(suite_, {})) {
            imprimante_.newPage();
            dessiner(morceau, QPointF(coin_suite_x_, 0));
        }
    }

private:
    void dessiner(const QRect& morceau, QPointF ou)
    {
        peintre_.save();
        peintre_.translate(ou);
        peintre_.scale(par_pixel_, par_pixel_);
        peintre_.setClipRect(QRect(QPoint(0, 0), morceau.size()));
        image_.dessiner(peintre_, morceau);
        peintre_.restore();
    }

    QPrinter& imprimante_;
    QPainter& peintre_;
    const ImageDecoupable& image_;
    double par_twip_, par_pixel_;  // device units
    QSize page_;
    QFont police_;
    double y_ = 0;
    QList<QRect> suite_;  // pieces of the picture for the pages after the report's
    double coin_suite_x_ = 0;
};

}  // namespace

bool jouer(const std::vector<rapport::Operation>& operations, QPrinter& imprimante, const ImageDecoupable& image)
{
    for (const auto& op : operations)
        if (auto* o = std::get_if<rapport::Orientation>(&op)) {
            imprimante.setPageOrientation(o->paysage ? QPageLayout::Landscape : QPageLayout::Portrait);
            break;
        }
    QPainter peintre;
    if (!peintre.begin(&imprimante))
        return false;
    Lecteur lecteur(imprimante, peintre, image);
    for (const auto& op : operations)
        std::visit(lecteur, op);
    peintre.end();
    return imprimante.printerState() != QPrinter::Error && imprimante.printerState() != QPrinter::Aborted;
}

namespace {

// Each paragraph a block; the table after the paragraphs before it.
void ecrire(QTextCursor& curseur, const std::vector<std::string>& paragraphes)
{
    for (const std::string& p : paragraphes) {
        curseur.insertBlock(QTextBlockFormat(), QTextCharFormat());
        curseur.insertText(QString::fromStdString(p), QTextCharFormat());
    }
}

void ecrire_tableau(QTextCursor& curseur, const rapport::Document& d)
{
    QTextTableFormat format;
    format.setHeaderRowCount(1);  // repeated at the top of every page
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    const int colonnes = static_cast<int>(d.en_tetes.size());
    QTextTable* tableau = curseur.insertTable(static_cast<int>(d.lignes.size()) + 1, colonnes, format);
    QTextBlockFormat a_droite;
    a_droite.setAlignment(Qt::AlignRight);
    QTextCharFormat gras;
    gras.setFontWeight(QFont::Bold);
    for (int c = 0; c < colonnes; ++c)
        tableau->cellAt(0, c).firstCursorPosition().insertText(QString::fromStdString(d.en_tetes[c]), gras);
    for (std::size_t r = 0; r < d.lignes.size(); ++r)
        for (int c = 0; c < colonnes; ++c) {
            QTextCursor cellule = tableau->cellAt(static_cast<int>(r) + 1, c).firstCursorPosition();
            cellule.setBlockFormat(a_droite);
            cellule.insertText(QString::fromStdString(d.lignes[r][static_cast<std::size_t>(c)]));
        }
    curseur.movePosition(QTextCursor::End);
}

}  // namespace

bool jouer(const rapport::Document& d, QPrinter& imprimante)
{
    QTextDocument document;
    document.setDefaultFont(QFont("Arial", 9));
    QTextCursor curseur(&document);
    QTextCharFormat titre;
    titre.setFontPointSize(14);
    titre.setFontWeight(QFont::Bold);
    curseur.insertText(QString::fromStdString(d.titre), titre);
    ecrire(curseur, d.avant);
    curseur.insertBlock(QTextBlockFormat(), QTextCharFormat());
    ecrire_tableau(curseur, d);
    ecrire(curseur, d.apres);
    document.print(&imprimante);
    return imprimante.printerState() != QPrinter::Error && imprimante.printerState() != QPrinter::Aborted;
}
