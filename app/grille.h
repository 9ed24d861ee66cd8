#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>

#include <vector>

// The texts of the hypothesis grid: cells (r, c) from 1, headings apart.
class ModeleGrille : public QAbstractTableModel {
public:
    ModeleGrille(int lignes, int colonnes, QObject* parent);

    int rowCount(const QModelIndex& = {}) const override { return lignes_; }
    int columnCount(const QModelIndex& = {}) const override { return colonnes_; }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int lignes_;
    int colonnes_;
    std::vector<QString> cellules_;
    QStringList en_tetes_lignes_;
    QStringList en_tetes_colonnes_;
};

// The grid: fixed heading row and column (the view's headers), the emblem in
// the corner.
class GrilleHypotheses : public QTableView {
public:
    explicit GrilleHypotheses(QWidget* parent);

    // Row 0 and column 0 take the emblem's size; the corner shows it.
    void preparer_coin(const QPixmap& embleme);

    ModeleGrille* modele() const { return modele_; }

private:
    ModeleGrille* modele_;
};
