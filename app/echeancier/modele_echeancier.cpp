#include "echeancier/modele_echeancier.h"

#include "calc/nombres.h"
#include "commun/textes.h"
#include "credit/bilan.h"
#include "credit/plan_evenements.h"

#include <QColor>
#include <QHeaderView>
#include <QTableView>

int ModeleEcheancier::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lignes_.size());
}

int ModeleEcheancier::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(credit::colonnes.size()) + (premiere_ ? 1 : 0);
}

// The date, when there is one, comes second, after the line's number.
QVariant ModeleEcheancier::texte(const credit::Ligne& ligne, int colonne) const
{
    if (premiere_ && colonne == 1)
        return q(credit::date_en_francais(credit::date_de_ligne(*premiere_, ligne.numero, periodes_par_an_)));
    auto c = static_cast<std::size_t>(premiere_ && colonne > 1 ? colonne - 1 : colonne);
    return q(credit::cellule(ligne, credit::colonnes[c], calc::montant));
}

QVariant ModeleEcheancier::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= lignes_.size())
        return {};
    const credit::Ligne& ligne = lignes_[static_cast<std::size_t>(index.row())];
    auto evenement = evenements_.find(ligne.numero);
    bool marquee = evenement != evenements_.end();
    switch (role) {
    case Qt::DisplayRole: return texte(ligne, index.column());
    case Qt::TextAlignmentRole: return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole: return marquee ? QVariant(QColor(255, 244, 200)) : QVariant();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: return marquee ? QVariant(q(evenement->second)) : QVariant();
    default: return {};
    }
}

QVariant ModeleEcheancier::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (premiere_ && section == 1)
        return QString("Date");
    return QString(credit::colonnes[static_cast<std::size_t>(premiere_ && section > 1 ? section - 1 : section)].titre);
}

void ModeleEcheancier::afficher(std::vector<credit::Ligne> lignes, std::optional<credit::Date> premiere,
                                int periodes_par_an, std::map<int, std::string> evenements)
{
    beginResetModel();
    lignes_ = std::move(lignes);
    premiere_ = premiere;
    periodes_par_an_ = periodes_par_an;
    evenements_ = std::move(evenements);
    endResetModel();
}

std::map<int, std::string> marques(const std::vector<credit::EvenementApplique>& appliques, const credit::Pret& pret)
{
    std::map<int, std::string> m;
    for (const credit::EvenementApplique& e : appliques)
        m[e.apres] += (m[e.apres].empty() ? "" : " ; ") + credit::decrire(pret.evenements[e.indice]);
    return m;
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
