#pragma once

#include "credit/comparaison.h"

#include <QAbstractTableModel>

// The comparison for a view: one column an offer, one row a figure; the
// lowest of a figure in bold, described to screen readers as the lowest.
class ModeleComparaison : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void afficher(credit::Comparaison comparaison);
    const credit::Comparaison& comparaison() const { return comparaison_; }

private:
    credit::Comparaison comparaison_;
};
