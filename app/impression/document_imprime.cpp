#include "impression/document_imprime.h"

#include "impression/pied_de_page.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

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

// The document laid out in the printer's units on its pages, a foot left at
// the bottom of each for the page's number.
class Pages {
public:
    Pages(const rapport::Document& d, QPrinter& imprimante)
        : taille_(imprimante.pageLayout().paintRectPixels(imprimante.resolution()).size()),
          pied_(hauteur_du_pied(imprimante))
    {
        // Filled before it has a layout: laid out as it grew, the table would take a time square in its rows.
        document_.setDefaultFont(QFont("Arial", 9));
        remplir(d);
        document_.documentLayout()->setPaintDevice(&imprimante);
        document_.setPageSize(QSizeF(taille_.width(), taille_.height() - pied_));
    }

    int nombre() const { return document_.pageCount(); }

    // Page `page`, from 0.
    void dessiner(QPainter& peintre, int page)
    {
        const double hauteur = taille_.height() - pied_;
        peintre.save();
        peintre.translate(0, -page * hauteur);
        document_.drawContents(&peintre, QRectF(0, page * hauteur, taille_.width(), hauteur));
        peintre.restore();
        numeroter_la_page(peintre, taille_, pied_, page + 1, nombre());
    }

private:
    void remplir(const rapport::Document& d)
    {
        QTextCursor curseur(&document_);
        QTextCharFormat titre;
        titre.setFontPointSize(14);
        titre.setFontWeight(QFont::Bold);
        curseur.insertText(QString::fromStdString(d.titre), titre);
        ecrire_paragraphes(curseur, d.avant);
        curseur.insertBlock(QTextBlockFormat(), QTextCharFormat());
        ecrire_tableau(curseur, d);
        ecrire_paragraphes(curseur, d.apres);
    }

    QTextDocument document_;
    const QSizeF taille_;
    const double pied_;
};

}  // namespace

int nombre_de_pages(const rapport::Document& document, QPrinter& imprimante)
{
    return Pages(document, imprimante).nombre();
}

bool jouer(const rapport::Document& document, QPrinter& imprimante, const Suivi& suivi)
{
    Pages pages(document, imprimante);
    QPainter peintre;
    if (!peintre.begin(&imprimante))
        return false;
    bool annule = false;
    for (int page = 0; page < pages.nombre() && !annule; ++page) {
        if (page > 0)
            imprimante.newPage();
        pages.dessiner(peintre, page);
        annule = suivi && !suivi(page + 1, pages.nombre());
    }
    peintre.end();
    return !annule && imprimante.printerState() != QPrinter::Error && imprimante.printerState() != QPrinter::Aborted;
}
