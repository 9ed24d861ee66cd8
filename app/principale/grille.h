#pragma once

#include "calc/tableau.h"
#include "report/decoupage.h"

#include <QAbstractTableModel>
#include <QTableView>

#include <string>
#include <vector>

// The texts of the hypothesis grid: cells (r, c) from 1 are model indexes
// (r-1, c-1); the heading row and column are the header sections.
class ModeleGrille : public QAbstractTableModel {
public:
    ModeleGrille(int lignes, int colonnes, QObject* parent);

    int rowCount(const QModelIndex& = {}) const override { return lignes_; }
    int columnCount(const QModelIndex& = {}) const override { return colonnes_; }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // New size and headings; the cells are empty until remplir.
    void dimensionner(const calc::Grille& grille);
    void remplir(std::vector<std::string> cellules);
    QString texte(const QModelIndex& index) const;
    // Tab-separated, headings included, for a spreadsheet.
    QString texte_tabule(int r1, int r2, int c1, int c2) const;
    // The headings and cells, without their sizes.
    rapport::GrilleImprimee textes() const;

    // The clicked cell stands out (bold, on yellow) while its total is shown.
    void marquer(const QModelIndex& index);
    void demarquer();

private:
    int lignes_;
    int colonnes_;
    std::vector<std::string> cellules_;
    std::vector<std::string> en_tetes_lignes_;
    std::vector<std::string> en_tetes_colonnes_;
    QPersistentModelIndex marque_;
};

// The grid: fixed heading row and column (the view's headers), the emblem in
// the corner.
class GrilleHypotheses : public QTableView {
public:
    explicit GrilleHypotheses(QWidget* parent);

    // Row 0 and column 0 take the emblem's size; the corner shows it.
    void preparer_coin(const QPixmap& embleme);
    void afficher(const calc::Grille& grille);

    // Texts and sizes as the grid shows them, every row and column.
    rapport::GrilleImprimee pour_impression() const;

    // Every part of the grid a mouse button can be pressed on.
    QList<QWidget*> surfaces() const;

    ModeleGrille* modele() const { return modele_; }

protected:
    // Ctrl+C copies the selected cells, or the whole table when none is selected.
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    ModeleGrille* modele_;
};
