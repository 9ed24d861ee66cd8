#include "echeancier/modele_echeancier.h"

#include "calc/nombres.h"
#include "commun/textes.h"
#include "credit/bilan.h"

#include <QHeaderView>
#include <QTableView>

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

QTableView* creer_tableau_echeancier(const QString& nom)
{
    auto* tableau = new QTableView;
    tableau->setObjectName(nom);
    auto* modele = new ModeleEcheancier(tableau);
    tableau->setModel(modele);
    tableau->verticalHeader()->hide();
    tableau->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableau->verticalHeader()->setDefaultSectionSize(tableau->fontMetrics().height() + 6);
    QFontMetrics mesure = tableau->fontMetrics();
    for (int c = 0; c < modele->columnCount(); ++c) {
        const credit::Colonne& colonne = credit::colonnes[static_cast<std::size_t>(c)];
        QString plus_long = colonne.montant ? "1 000 000 000,00" : "0000";
        tableau->setColumnWidth(
            c, std::max(mesure.horizontalAdvance(plus_long), mesure.horizontalAdvance(colonne.titre)) + 16);
    }
    tableau->horizontalHeader()->setStretchLastSection(true);
    tableau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableau->setTabKeyNavigation(false);
    return tableau;
}
