#include "impression/imprimante.h"

#include "impression/grille_sur_papier.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace {

QFont police_du_pied()
{
    return QFont("arial", 9);
}

// The printer's page as the grid's pieces see it: screen pixels, less a
// line and a half at the foot for the page number.
class Page {
public:
    explicit Page(QPrinter& imprimante)
        : par_twip(imprimante.resolution() / 1440.0), par_pixel(imprimante.resolution() / 96.0),
          taille(imprimante.pageLayout().paintRectPixels(imprimante.resolution()).size()),
          pied(1.5 * QFontMetricsF(police_du_pied(), &imprimante).lineSpacing())
    {
    }

    // The grid's pieces, each at `image`'s left, the first from `image` down
    // the report's page unless the headings and a row have no room there.
    struct Decoupe {
        std::vector<rapport::Morceau> morceaux;
        bool sur_la_premiere_page;
    };
    Decoupe decouper(const TableauImprime& tableau, const rapport::Image& image) const
    {
        const rapport::GrilleImprimee& g = tableau.grille;
        rapport::Surface place{(taille.width() - image.x * par_twip) / par_pixel, (taille.height() - pied) / par_pixel};
        double reste = place.hauteur - image.y * par_twip / par_pixel;
        bool ici = reste >= g.hauteur_en_tete + (g.hauteurs.empty() ? 0 : g.hauteurs.front());
        return {rapport::decouper(g, place, ici ? reste : place.hauteur), ici};
    }

    // The report's own page, then those of the pieces it does not hold.
    static int pages(const Decoupe& d)
    {
        return std::max<int>(1, static_cast<int>(d.morceaux.size()) + (d.sur_la_premiere_page ? 0 : 1));
    }

    const double par_twip, par_pixel;  // device units
    const QSize taille;
    const double pied;
};

const rapport::Image* image_du(const std::vector<rapport::Operation>& operations)
{
    for (const auto& op : operations)
        if (auto* i = std::get_if<rapport::Image>(&op))
            return i;
    return nullptr;
}

class Joueur {
public:
    Joueur(QPrinter& imprimante, QPainter& peintre, const TableauImprime& tableau, const Suivi& suivi)
        : imprimante_(imprimante), peintre_(peintre), tableau_(tableau), suivi_(suivi), page_(imprimante),
          police_("arial", 10),
          // Smoothed once to the printer's resolution, rather than blown up pixel by pixel on paper.
          embleme_(tableau.embleme.scaled(QSize(tableau.grille.largeur_en_tete, tableau.grille.hauteur_en_tete) *
                                              page_.par_pixel,
                                          Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
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

    // The first piece here where it has room, the others on pages of their own once the report's page is done.
    void operator()(const rapport::Image& i)
    {
        coin_ = QPointF(i.x * page_.par_twip, i.y * page_.par_twip);
        decoupe_ = page_.decouper(tableau_, i);
        if (decoupe_.sur_la_premiere_page)
            dessiner_morceau(0);
    }

    void operator()(const rapport::Fin&)
    {
        const int total = Page::pages(decoupe_);
        std::size_t morceau = decoupe_.sur_la_premiere_page ? 1 : 0;
        for (int page = 1; page <= total && !annule_; ++page) {
            if (page > 1) {
                imprimante_.newPage();
                coin_.setY(0);
                dessiner_morceau(morceau++);
            }
            numeroter(page, total);
            annule_ = suivi_ && !suivi_(page, total);
        }
    }

    bool annule() const { return annule_; }

private:
    void dessiner_morceau(std::size_t i)
    {
        peintre_.save();
        peintre_.translate(coin_);
        peintre_.drawImage(QPointF(0, 0), embleme_);
        dessiner(peintre_, tableau_.grille, tableau_.police, decoupe_.morceaux[i], page_.par_pixel);
        peintre_.restore();
    }

    // A single page needs no number.
    void numeroter(int page, int total)
    {
        if (total < 2)
            return;
        peintre_.setFont(police_du_pied());
        QRectF pied(0, page_.taille.height() - page_.pied, page_.taille.width(), page_.pied);
        peintre_.drawText(pied, Qt::AlignHCenter | Qt::AlignBottom, QString("Page %1 / %2").arg(page).arg(total));
    }

    QPrinter& imprimante_;
    QPainter& peintre_;
    const TableauImprime& tableau_;
    const Suivi& suivi_;
    const Page page_;
    QFont police_;
    double y_ = 0;
    QPointF coin_;
    Page::Decoupe decoupe_{{}, true};
    bool annule_ = false;
    const QImage embleme_;
};

}  // namespace

void orienter(const std::vector<rapport::Operation>& operations, QPrinter& imprimante)
{
    for (const auto& op : operations)
        if (auto* o = std::get_if<rapport::Orientation>(&op)) {
            imprimante.setPageOrientation(o->paysage ? QPageLayout::Landscape : QPageLayout::Portrait);
            return;
        }
}

int nombre_de_pages(const std::vector<rapport::Operation>& operations, QPrinter& imprimante,
                    const TableauImprime& tableau)
{
    orienter(operations, imprimante);
    const rapport::Image* image = image_du(operations);
    return image ? Page::pages(Page(imprimante).decouper(tableau, *image)) : 1;
}

bool jouer(const std::vector<rapport::Operation>& operations, QPrinter& imprimante, const TableauImprime& tableau,
           const Suivi& suivi)
{
    QPainter peintre;
    if (!peintre.begin(&imprimante))
        return false;
    Joueur joueur(imprimante, peintre, tableau, suivi);
    for (const auto& op : operations)
        std::visit(joueur, op);
    peintre.end();
    return !joueur.annule() && imprimante.printerState() != QPrinter::Error &&
           imprimante.printerState() != QPrinter::Aborted;
}

namespace {

// Each paragraph a block; the table after the paragraphs before it.
void ecrire_paragraphes(QTextCursor& curseur, const std::vector<std::string>& paragraphes)
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
    ecrire_paragraphes(curseur, d.avant);
    curseur.insertBlock(QTextBlockFormat(), QTextCharFormat());
    ecrire_tableau(curseur, d);
    ecrire_paragraphes(curseur, d.apres);
    document.print(&imprimante);
    return imprimante.printerState() != QPrinter::Error && imprimante.printerState() != QPrinter::Aborted;
}
