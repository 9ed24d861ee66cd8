#include "comparaison/modele_comparaison.h"

#include "commun/textes.h"

#include <QFont>

int ModeleComparaison::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(comparaison_.rangees.size());
}

int ModeleComparaison::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(comparaison_.noms.size());
}

QVariant ModeleComparaison::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const credit::Rangee& r = comparaison_.rangees[static_cast<std::size_t>(index.row())];
    auto c = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole: return q(r.cellules[c]);
    case Qt::TextAlignmentRole: return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole: {
        if (!r.plus_basses[c])
            return {};
        QFont gras;
        gras.setBold(true);
        return gras;
    }
    case Qt::AccessibleDescriptionRole: return r.plus_basses[c] ? QString("la plus basse") : QVariant();
    default: return {};
    }
}

QVariant ModeleComparaison::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0)
        return {};
    auto i = static_cast<std::size_t>(section);
    if (orientation == Qt::Horizontal)
        return i < comparaison_.noms.size() ? q(comparaison_.noms[i]) : QVariant();
    return i < comparaison_.rangees.size() ? q(comparaison_.rangees[i].titre) : QVariant();
}

// Of the same shape, the cells change in place: the view keeps its selection
// and lays nothing out again.
void ModeleComparaison::afficher(credit::Comparaison comparaison)
{
    bool meme_forme = comparaison.noms.size() == comparaison_.noms.size() &&
                      comparaison.rangees.size() == comparaison_.rangees.size();
    if (!meme_forme)
        beginResetModel();
    comparaison_ = std::move(comparaison);
    if (!meme_forme) {
        endResetModel();
    } else if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }
}
