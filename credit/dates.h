#pragma once

// The calendar of a dated loan: the day of each instalment.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace credit {

using Date = std::chrono::year_month_day;

// "2027-02-05" exactly (ISO 8601, as the dossier writes it); none for any
// other text or a day the calendar lacks.
std::optional<Date> lire_date(std::string_view texte);
std::string ecrire_date(Date date);
// "05/02/2027" (or "5/2/2027") as French readers type it, or the ISO form; none otherwise.
std::optional<Date> lire_date_francaise(std::string_view texte);
// "05/02/2027", as French readers write it.
std::string date_en_francais(Date date);

// The day line `numero` (1 ...) falls due: 12 / periodes_par_an months a line
// after the first, on the same day, or the month's last day when it has no
// such day (31 January, then 28 or 29 February, then 31 March).
Date date_de_ligne(Date premiere, int numero, int periodes_par_an);

// The last line due on or before `date`; 0 when `date` comes before the first.
int ligne_au(Date premiere, Date date, int periodes_par_an);

}  // namespace credit
