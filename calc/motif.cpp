#include "calc/motif.h"

#include "calc/nombres.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace calc {
namespace {

// Room for the digits of any double with up to 30 decimals.
constexpr int taille_chiffres = 340;

// Quick way for ordinary amounts: scaled in binary, the number rounds the same
// as its decimal reading unless it lies within a hair of a half.
std::optional<int> arrondi_rapide(double x, int decimales, char* chiffres)
{
    constexpr double puissances[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    if (decimales > 9)
        return std::nullopt;
    double y = std::fabs(x) * puissances[decimales];
    double plancher = std::floor(y);
    if (y >= 1e9 || std::fabs(y - plancher - 0.5) <= 1e-6)
        return std::nullopt;
    auto n = static_cast<unsigned long>(plancher) + (y - plancher > 0.5);
    return n == 0 ? 0 : static_cast<int>(std::to_chars(chiffres, chiffres + 24, n).ptr - chiffres);
}

// Adds one to the `n` digits, which may grow by one; gives their count.
int plus_un(char* chiffres, int n)
{
    int i = n;
    while (i > 0 && chiffres[i - 1] == '9')
        chiffres[--i] = '0';
    if (i > 0) {
        ++chiffres[i - 1];
        return n;
    }
    std::copy_backward(chiffres, chiffres + n, chiffres + n + 1);
    chiffres[0] = '1';
    return n + 1;
}

// The exact way, on the decimal digits of x.
int arrondi_exact(double x, int decimales, char* chiffres)
{
    auto [valeur, exposant] = decimal_exact(std::fabs(x));
    char mantisse[24];
    int k = static_cast<int>(std::to_chars(mantisse, mantisse + sizeof mantisse, valeur).ptr - mantisse);
    // mantisse[i] weighs 10^(exposant + k - 1 - i); keep the digits down to 10^-decimales.
    int garder = exposant + k + decimales;
    if (garder < 0 || (garder == 0 && mantisse[0] < '5'))
        return 0;
    if (garder == 0) {
        chiffres[0] = '1';
        return 1;
    }
    std::fill(std::copy_n(mantisse, std::min(garder, k), chiffres), chiffres + garder, '0');
    if (garder < k && mantisse[garder] >= '5')
        garder = plus_un(chiffres, garder);
    int zeros = 0;
    while (zeros < garder && chiffres[zeros] == '0')
        ++zeros;
    std::copy(chiffres + zeros, chiffres + garder, chiffres);
    return garder - zeros;
}

// Writes round(|x| 10^decimales) in decimal digits, without leading zeros, and
// gives their count; x is taken as the shortest decimal that reads back as x
// (what a person reads) and halves go away from zero.
int arrondi_decimal(double x, int decimales, char* chiffres)
{
    if (auto n = arrondi_rapide(x, decimales, chiffres))
        return *n;
    return arrondi_exact(x, decimales, chiffres);
}

bool place_chiffre(char c)
{
    return c == '#' || c == '0';
}

}  // namespace

// Where the text is written, and the digits still to write.
struct Motif::Sortie {
    char* o;
    const char* lu;
    bool signe;  // before the first digit written

    void chiffres(const char* source, int combien)
    {
        if (combien <= 0)
            return;
        if (signe)
            *o++ = '-', signe = false;
        while (combien-- > 0)
            *o++ = *source++;
    }
};

Motif::Motif(std::string_view motif)
{
    auto point = std::min(motif.find('.'), motif.size());
    entier_ = motif.substr(0, point);
    suite_ = motif.substr(point);
    decimales_ = std::min(30, static_cast<int>(std::count_if(suite_.begin(), suite_.end(), place_chiffre)));
    places_ = static_cast<int>(std::count_if(entier_.begin(), entier_.end(), place_chiffre));
}

std::string format_motif(double x, std::string_view motif)
{
    return Motif(motif)(x);
}

std::string Motif::operator()(double x) const
{
    if (!std::isfinite(x))
        return {};
    // The digits, right-aligned after enough zeros to show "0,00".
    char tampon[taille_chiffres + 32];
    char* chiffres = tampon + 32;
    int n = arrondi_decimal(x, decimales_, chiffres);
    bool signe = x < 0 && n > 0;
    while (n < decimales_ + 1)
        *--chiffres = '0', ++n;
    // The units digit shows only where the pattern asks for it ("0") or the number has one.
    int nb_entiers = n - decimales_;
    if (nb_entiers == 1 && chiffres[0] == '0')
        nb_entiers = 0, ++chiffres;

    // Built on the stack, so that a short text needs no allocation of its own.
    char pile[taille_chiffres + 128];
    std::string tas;
    std::size_t taille = entier_.size() + suite_.size() + static_cast<std::size_t>(n) + 1;
    char* debut = taille <= sizeof pile ? pile : (tas.resize(taille), tas.data());
    Sortie sortie{debut, chiffres, signe};
    ecrire_entiers(sortie, nb_entiers);
    ecrire_suite(sortie);
    return std::string(debut, sortie.o);
}

// Placeholders take the digits from the right; the first one also takes every
// digit that the pattern has no room for.
void Motif::ecrire_entiers(Sortie& s, int nb_entiers) const
{
    int j = 0;
    for (char c : entier_) {
        if (!place_chiffre(c)) {
            *s.o++ = c;
        } else if (j++ == 0 && nb_entiers > places_) {
            s.chiffres(s.lu, nb_entiers - places_ + 1);
            s.lu += nb_entiers - places_ + 1;
        } else if (j - 1 >= places_ - nb_entiers) {
            s.chiffres(s.lu++, 1);
        } else if (c == '0') {
            s.chiffres("0", 1);
        }
    }
}

void Motif::ecrire_suite(Sortie& s) const
{
    for (char c : suite_) {
        if (c == '.')
            *s.o++ = ',';
        else if (place_chiffre(c))
            s.chiffres(s.lu++, 1);
        else
            *s.o++ = c;
    }
}

}  // namespace calc
