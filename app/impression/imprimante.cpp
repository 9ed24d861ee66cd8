#include "impression/imprimante.h"

#include "impression/grille_sur_papier.h"
#include "impression/pied_de_page.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

// The printer's page as the grid's pieces see it: screen pixels, less a
// line and a half at the foot for the page number.
class Page {
public:
    explicit Page(QPrinter& imprimante)
        : par_twip(imprimante.resolution() / 1440.0), par_pixel(imprimante.resolution() / 96.0),
          taille(imprimante.pageLayout().paintRectPixels(imprimante.resolution()).size()),
          pied(hauteur_du_pied(imprimante))
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

    void numeroter(int page, int total) { numeroter_la_page(peintre_, page_.taille, page_.pied, page, total); }

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
