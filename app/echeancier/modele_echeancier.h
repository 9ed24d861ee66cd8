#pragma once

#include "credit/deroulement.h"

#include <QAbstractTableModel>

#include <map>
#include <optional>
#include <string>
#include <vector>

class QTableView;

// The schedule's lines for a view: one row a line, amounts right-aligned
// with their digit groups; on a dated loan each line's date after its
// number; the lines after which an event falls shaded and described.
class ModeleEcheancier : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // `evenements`: what happens after a line, by its number.
    void afficher(std::vector<credit::Ligne> lignes, std::optional<credit::Date> premiere = std::nullopt,
                  int periodes_par_an = 12, std::map<int, std::string> evenements = {});

private:
    QVariant texte(const credit::Ligne& ligne, int colonne) const;

    std::vector<credit::Ligne> lignes_;
    std::optional<credit::Date> premiere_;
    int periodes_par_an_ = 12;
    std::map<int, std::string> evenements_;
};

// What the model marks: each applied event's description, by the line it follows.
std::map<int, std::string> marques(const std::vector<credit::EvenementApplique>& appliques, const credit::Pret& pret);

// A read-only view of a ModeleEcheancier of its own, its columns sized once
// for the widest amount: no row or column is measured on each keystroke. Tab
// leaves it; the arrows move within it.
QTableView* creer_tableau_echeancier(const QString& nom);
