#pragma once

// Numbers written with a format pattern: "#" an optional digit, "0" a
// required digit, "." the decimal comma, any other character as it stands.

#include <string>
#include <string_view>

namespace calc {

// Rounds halves away from zero on the decimal value as written:
// format_motif(2.675, "##0.00") == "2,68". Empty for NaN and infinities.
std::string format_motif(double x, std::string_view motif);

// The same pattern read once, for formatting many numbers alike.
class Motif {
public:
    explicit Motif(std::string_view motif);
    std::string operator()(double x) const;

private:
    struct Sortie;
    void ecrire_entiers(Sortie& sortie, int nb_entiers) const;
    void ecrire_suite(Sortie& sortie) const;

    std::string entier_;  // the pattern before its decimal point
    std::string suite_;   // from the decimal point on
    int decimales_;
    int places_;  // digit placeholders before the decimal point
};

}  // namespace calc
