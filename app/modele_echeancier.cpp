#include "modele_echeancier.h"

#include "apparence.h"
#include "bilan.h"
#include "nombres.h"

int ModeleEcheancier::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lignes_.size());
}

int ModeleEcheancier::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(calc::colonnes.size());
}

QVariant ModeleEcheancier::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= lignes_.size())
        return {};
    const calc::Ligne& ligne = lignes_[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    auto colonne = static_cast<std::size_t>(index.column());
    return colonne == 0 ? QString::number(ligne.numero) : q(calc::montant(calc::montant_colonne(ligne, colonne)));
}

QVariant ModeleEcheancier::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    return QString(calc::colonnes[static_cast<std::size_t>(section)]);
}

void ModeleEcheancier::afficher(std::vector<calc::Ligne> lignes)
{
    beginResetModel();
    lignes_ = std::move(lignes);
    endResetModel();
}
