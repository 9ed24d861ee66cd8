#pragma once

#include "credit/echeancier.h"

#include <QAbstractTableModel>

#include <vector>

// The schedule's lines for a view: one row a line, amounts right-aligned
// with their digit groups.
class ModeleEcheancier : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void afficher(std::vector<credit::Ligne> lignes);

private:
    std::vector<credit::Ligne> lignes_;
};
