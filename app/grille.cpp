#include "grille.h"

#include "twips.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>

namespace {

const QColor cyan_clair(192, 255, 255);
const QColor cyan(128, 255, 255);

}  // namespace

ModeleGrille::ModeleGrille(int lignes, int colonnes, QObject* parent)
    : QAbstractTableModel(parent), lignes_(lignes), colonnes_(colonnes),
      cellules_(static_cast<std::size_t>(lignes * colonnes)), en_tetes_lignes_(lignes),
      en_tetes_colonnes_(colonnes)
{
}

QVariant ModeleGrille::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole: return cellules_[static_cast<std::size_t>(index.row() * colonnes_ + index.column())];
    case Qt::BackgroundRole: return cyan_clair;
    default: return {};
    }
}

QVariant ModeleGrille::headerData(int section, Qt::Orientation orientation, int role) const
{
    const QStringList& textes = orientation == Qt::Horizontal ? en_tetes_colonnes_ : en_tetes_lignes_;
    if (section < 0 || section >= textes.size())
        return {};
    switch (role) {
    case Qt::DisplayRole: return textes[section];
    case Qt::TextAlignmentRole: return Qt::AlignCenter;
    default: return {};
    }
}

GrilleHypotheses::GrilleHypotheses(QWidget* parent)
    : QTableView(parent), modele_(new ModeleGrille(24, 14, this))
{
    setModel(modele_);
    setFont(QFont("Arial", 9));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);

    QPalette p = palette();
    p.setColor(QPalette::Base, QColor(128, 128, 128));  // beyond the last cell
    p.setColor(QPalette::Mid, QColor(192, 192, 192));   // grid lines
    p.setColor(QPalette::Button, cyan);
    setPalette(p);

    horizontalHeader()->setDefaultSectionSize(px(960));
    verticalHeader()->setMinimumSectionSize(px(240));
    verticalHeader()->setDefaultSectionSize(px(240));
    for (QHeaderView* en_tete : {horizontalHeader(), verticalHeader()}) {
        en_tete->setSectionResizeMode(QHeaderView::Fixed);
        en_tete->setHighlightSections(false);
    }
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
