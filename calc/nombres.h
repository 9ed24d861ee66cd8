#pragma once

// Numbers as the program reads and writes them: French style, decimal comma,
// whatever the locale of the machine.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace calc {

// Reads a typed number; a point counts as the decimal comma. Blanks may stand
// around the number and between digit groups ("1 985,05"). Gives nothing when
// the text is not one number (empty, "-", two separators, letters, overflow).
std::optional<double> virg(std::string_view texte);

// The same for a number typed or pasted with its unit after it: "300 000 €",
// "3,45 %". The unit may also be left out.
std::optional<double> virg_unite(std::string_view texte, std::string_view unite);

// Reads the number at the start of a text, "." as the only decimal separator,
// blanks skipped wherever they stand: "1,5" gives 1, "abc" gives 0.
double valeur_en_tete(std::string_view texte);

// Shortest general form, 15 significant digits at most: 5.25 gives "5,25",
// 12 gives "12", 1e20 gives "1E+20". Empty for NaN and infinities.
std::string texte_general(double x);

// A finite double as the decimal mantisse x 10^exposant, the mantissa the
// fewest digits (17 at most) that read back as it: what a person typed.
struct Decimal {
    std::int64_t mantisse;
    int exposant;
};
Decimal decimal_exact(double x);

// x / 100 as the decimal reads, for rates typed in per cent: 3.45 gives 0.0345,
// the double nearest that decimal, where 3.45 / 100 gives 0.034500000000000003.
double centieme(double x);

// An amount with its digit groups and two decimals: "1 234,56"; the same in
// euros: "1 234,56 €"; per cent with two decimals: "3,53 %".
std::string montant(double x);
std::string euros(double x);
std::string pour_cent(double fraction, int decimales = 2);

// Length in characters of a UTF-8 text, not in bytes.
std::size_t nb_caracteres(std::string_view texte);

}  // namespace calc
