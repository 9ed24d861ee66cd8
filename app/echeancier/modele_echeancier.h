#pragma once

#include "credit/echeancier.h"

#include <QAbstractTableModel>

#include <vector>

class QTableView;

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

// A read-only view of a ModeleEcheancier of its own, its columns sized once
// for the widest amount: no row or column is measured on each keystroke. Tab
// leaves it; the arrows move within it.
QTableView* creer_tableau_echeancier(const QString& nom);
