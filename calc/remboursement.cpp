#include "calc/remboursement.h"

#include "calc/motif.h"
#include "calc/nombres.h"

namespace calc {

std::optional<Message> detail_remboursement(const std::string& texte_cellule, const std::string& duree_mini,
                                            int colonne, bool en_annees)
{
    const std::string euro = " €";
    if (texte_cellule.size() <= euro.size() ||
        texte_cellule.compare(texte_cellule.size() - euro.size(), euro.size(), euro) != 0)
        return std::nullopt;
    auto p = virg(std::string_view(texte_cellule).substr(0, texte_cellule.size() - euro.size()));
    if (!p)
        return std::nullopt;
    double n = valeur_en_tete(duree_mini) + colonne - 1;
    std::string texte = "Vous allez rembourser un total de : ";
    if (en_annees)
        texte += texte_general(n * *p) + "€\r\nLe remboursement mensuel est de : " + format_motif(*p / 12, "#0.00€");
    else
        texte += format_motif(n * *p, "#0.00€");
    return Message{texte, "remboursement", Icone::critique};
}

}  // namespace calc
