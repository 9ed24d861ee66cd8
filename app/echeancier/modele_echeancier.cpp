#include "echeancier/modele_echeancier.h"

#include "calc/nombres.h"
#include "commun/textes.h"
#include "credit/bilan.h"

int ModeleEcheancier::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lignes_.size());
}

int ModeleEcheancier::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(credit::colonnes.size());
}

QVariant ModeleEcheancier::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= lignes_.size())
        return {};
    const credit::Ligne& ligne = lignes_[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    return q(credit::cellule(ligne, credit::colonnes[static_cast<std::size_t>(index.column())], calc::montant));
}

QVariant ModeleEcheancier::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    return QString(credit::colonnes[static_cast<std::size_t>(section)].titre);
}

void ModeleEcheancier::afficher(std::vector<credit::Ligne> lignes)
{
    beginResetModel();
    lignes_ = std::move(lignes);
    endResetModel();
}
