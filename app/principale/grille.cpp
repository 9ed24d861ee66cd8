#include "principale/grille.h"

#include "commun/apparence.h"
#include "commun/textes.h"
#include "commun/twips.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

const QColor jaune(255, 255, 0);  // the clicked cell

// An empty cell is only its ground. The style would lay out its empty text
// all the same, and load the grid's face before there is anything to write.
class DelegueGrille : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* peintre, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem cellule = option;
        initStyleOption(&cellule, index);
        if (!cellule.text.isEmpty())
            return QStyledItemDelegate::paint(peintre, option, index);
        const QWidget* grille = option.widget;
        grille->style()->drawPrimitive(QStyle::PE_PanelItemViewItem, &cellule, peintre, grille);
    }
};

}  // namespace

ModeleGrille::ModeleGrille(int lignes, int colonnes, QObject* parent)
    : QAbstractTableModel(parent), lignes_(lignes), colonnes_(colonnes),
      cellules_(static_cast<std::size_t>(lignes * colonnes))
{
}

QVariant ModeleGrille::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    bool marque = index == marque_;
    switch (role) {
    case Qt::DisplayRole: return texte(index);
    case Qt::BackgroundRole: return marque ? jaune : couleurs::cyan_clair;
    case Qt::TextAlignmentRole: return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole: return marque ? police("Arial", 9, true) : QVariant();
    default: return {};
    }
}

QVariant ModeleGrille::headerData(int section, Qt::Orientation orientation, int role) const
{
    const auto& textes = orientation == Qt::Horizontal ? en_tetes_colonnes_ : en_tetes_lignes_;
    switch (role) {
    case Qt::DisplayRole:
        return section >= 0 && static_cast<std::size_t>(section) < textes.size() ? q(textes[section]) : QString();
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    // The heading row and column take the emblem's size and the columns their
    // own widths, so the headers need not measure their texts, which they
    // would do in a bold face loaded for nothing else.
    case Qt::SizeHintRole: return QSize();
    default: return {};
    }
}

void ModeleGrille::dimensionner(const calc::Grille& grille)
{
    beginResetModel();
    lignes_ = grille.nb_lignes - 1;
    colonnes_ = grille.nb_colonnes - 1;
    cellules_.assign(static_cast<std::size_t>(lignes_) * static_cast<std::size_t>(colonnes_), {});
    en_tetes_lignes_ = grille.en_tetes_lignes;
    en_tetes_colonnes_ = grille.en_tetes_colonnes;
    marque_ = QPersistentModelIndex();
    endResetModel();
}

void ModeleGrille::remplir(std::vector<std::string> cellules)
{
    cellules.resize(cellules_.size());
    cellules_ = std::move(cellules);
    if (lignes_ > 0 && colonnes_ > 0)
        emit dataChanged(index(0, 0), index(lignes_ - 1, colonnes_ - 1), {Qt::DisplayRole});
}

QString ModeleGrille::texte(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= lignes_ || index.column() >= colonnes_)
        return {};
    return q(cellules_[static_cast<std::size_t>(index.row()) * static_cast<std::size_t>(colonnes_) +
                       static_cast<std::size_t>(index.column())]);
}

QString ModeleGrille::texte_tabule(int r1, int r2, int c1, int c2) const
{
    return q(calc::texte_tabule(en_tetes_lignes_, en_tetes_colonnes_, cellules_, r1, r2, c1, c2));
}

rapport::GrilleImprimee ModeleGrille::textes() const
{
    rapport::GrilleImprimee g;
    g.en_tetes_colonnes = en_tetes_colonnes_;
    g.en_tetes_lignes = en_tetes_lignes_;
    g.cellules = cellules_;
    return g;
}

void ModeleGrille::marquer(const QModelIndex& index)
{
    marque_ = index;
    emit dataChanged(index, index, {Qt::BackgroundRole, Qt::FontRole});
}

void ModeleGrille::demarquer()
{
    QModelIndex ancien = marque_;
    marque_ = QPersistentModelIndex();
    if (ancien.isValid())
        emit dataChanged(ancien, ancien, {Qt::BackgroundRole, Qt::FontRole});
}

GrilleHypotheses::GrilleHypotheses(QWidget* parent) : QTableView(parent), modele_(new ModeleGrille(24, 14, this))
{
    setModel(modele_);
    setItemDelegate(new DelegueGrille(this));
    setFont(QFont("Arial", 9));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);  // Tab leaves the grid; the arrows move within it
    horizontalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);

    QPalette p = palette();
    p.setColor(QPalette::Base, QColor(128, 128, 128));  // beyond the last cell
    p.setColor(QPalette::Mid, QColor(192, 192, 192));   // grid lines
    p.setColor(QPalette::Button, couleurs::cyan);
    setPalette(p);

    for (QHeaderView* en_tete : {horizontalHeader(), verticalHeader()}) {
        // Under Qt's default, which would clamp the 16-pixel rows and which it
        // computes from the grid's face before anything is written in it.
        en_tete->setMinimumSectionSize(px(240));
        en_tete->setSectionResizeMode(QHeaderView::Fixed);
        en_tete->setHighlightSections(false);
    }
    horizontalHeader()->setDefaultSectionSize(px(960));
    verticalHeader()->setDefaultSectionSize(px(240));
}

void GrilleHypotheses::preparer_coin(const QPixmap& embleme)
{
    horizontalHeader()->setFixedHeight(embleme.height());
    verticalHeader()->setFixedWidth(embleme.width());
    if (auto* coin = findChild<QAbstractButton*>()) {
        auto* image = new QLabel(coin);
        image->setObjectName("embleme");
        image->setPixmap(embleme);
        image->setAttribute(Qt::WA_TransparentForMouseEvents);
        image->resize(embleme.size());
    }
}

void GrilleHypotheses::afficher(const calc::Grille& grille)
{
    modele_->dimensionner(grille);
    for (std::size_t c = 0; c < grille.largeurs.size(); ++c)
        horizontalHeader()->resizeSection(static_cast<int>(c), px(grille.largeurs[c]));
    scrollToTop();
    horizontalScrollBar()->setValue(0);
}

void GrilleHypotheses::keyPressEvent(QKeyEvent* evenement)
{
    if (!evenement->matches(QKeySequence::Copy)) {
        QTableView::keyPressEvent(evenement);
        return;
    }
    // Before the first table the grid holds no headings: nothing to copy.
    if (modele_->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString().isEmpty())
        return;
    QModelIndexList choisis = selectionModel()->selectedIndexes();
    int r1 = 0, r2 = modele_->rowCount() - 1, c1 = 0, c2 = modele_->columnCount() - 1;
    if (!choisis.isEmpty()) {
        r1 = c1 = INT_MAX;
        r2 = c2 = -1;
        for (const QModelIndex& i : choisis) {
            r1 = std::min(r1, i.row()), r2 = std::max(r2, i.row());
            c1 = std::min(c1, i.column()), c2 = std::max(c2, i.column());
        }
    }
    QGuiApplication::clipboard()->setText(modele_->texte_tabule(r1, r2, c1, c2));
}

rapport::GrilleImprimee GrilleHypotheses::pour_impression() const
{
    rapport::GrilleImprimee g = modele_->textes();
    g.largeur_en_tete = verticalHeader()->width();
    g.hauteur_en_tete = horizontalHeader()->height();
    for (int c = 0; c < modele_->columnCount(); ++c)
        g.largeurs.push_back(columnWidth(c));
    for (int r = 0; r < modele_->rowCount(); ++r)
        g.hauteurs.push_back(rowHeight(r));
    return g;
}

QList<QWidget*> GrilleHypotheses::surfaces() const
{
    QList<QWidget*> liste = {viewport(), horizontalHeader()->viewport(), verticalHeader()->viewport(),
                             horizontalScrollBar(), verticalScrollBar()};
    if (auto* coin = findChild<QAbstractButton*>())
        liste << coin;
    return liste;
}
