#include "credit/dates.h"

#include <algorithm>
#include <cstdio>

namespace credit {

using namespace std::chrono;

std::optional<Date> lire_date(std::string_view texte)
{
    auto nombre = [&](std::size_t debut, std::size_t longueur) -> std::optional<int> {
        int n = 0;
        for (char c : texte.substr(debut, longueur)) {
            if (c < '0' || c > '9')
                return std::nullopt;
            n = n * 10 + (c - '0');
        }
        return n;
    };
    if (texte.size() != 10 || texte[4] != '-' || texte[7] != '-')
        return std::nullopt;
    auto a = nombre(0, 4), m = nombre(5, 2), j = nombre(8, 2);
    if (!a || !m || !j)
        return std::nullopt;
    Date d{year{*a}, month{static_cast<unsigned>(*m)}, day{static_cast<unsigned>(*j)}};
    return d.ok() ? std::optional(d) : std::nullopt;
}

std::optional<Date> lire_date_francaise(std::string_view texte)
{
    while (!texte.empty() && texte.front() == ' ')
        texte.remove_prefix(1);
    while (!texte.empty() && texte.back() == ' ')
        texte.remove_suffix(1);
    auto barre1 = texte.find('/'), barre2 = texte.rfind('/');
    if (barre1 == std::string_view::npos || barre1 == barre2)
        return lire_date(texte);
    auto sur_deux = [](std::string_view x) { return x.size() == 1 ? "0" + std::string(x) : std::string(x); };
    return lire_date(std::string(texte.substr(barre2 + 1)) + "-" + sur_deux(texte.substr(barre1 + 1, barre2 - barre1 - 1)) +
                     "-" + sur_deux(texte.substr(0, barre1)));
}

std::string ecrire_date(Date date)
{
    char texte[16];
    std::snprintf(texte, sizeof texte, "%04d-%02u-%02u", int(date.year()), unsigned(date.month()),
                  unsigned(date.day()));
    return texte;
}

std::string date_en_francais(Date date)
{
    char texte[16];
    std::snprintf(texte, sizeof texte, "%02u/%02u/%04d", unsigned(date.day()), unsigned(date.month()),
                  int(date.year()));
    return texte;
}

Date date_de_ligne(Date premiere, int numero, int periodes_par_an)
{
    year_month mois = year_month{premiere.year(), premiere.month()} + months{(numero - 1) * (12 / periodes_par_an)};
    day dernier = year_month_day_last{mois.year(), month_day_last{mois.month()}}.day();
    return {mois.year(), mois.month(), std::min(premiere.day(), dernier)};
}

int ligne_au(Date premiere, Date date, int periodes_par_an)
{
    int ecart = (int(date.year()) - int(premiere.year())) * 12 +
                (static_cast<int>(unsigned(date.month())) - static_cast<int>(unsigned(premiere.month())));
    if (ecart < 0)
        return 0;
    int ligne = ecart / (12 / periodes_par_an) + 1;
    return sys_days(date_de_ligne(premiere, ligne, periodes_par_an)) <= sys_days(date) ? ligne : ligne - 1;
}

}  // namespace credit
