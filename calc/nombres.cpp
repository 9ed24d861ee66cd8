#include "nombres.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace calc {
namespace {

// Byte length of the blank at s[i], 0 if none: space, tab, and the two
// no-break spaces that French texts use between digit groups.
std::size_t blanc(std::string_view s, std::size_t i)
{
    for (std::string_view b : {" ", "\t", "\xC2\xA0", "\xE2\x80\xAF"})
        if (s.substr(i, b.size()) == b)
            return b.size();
    return 0;
}

bool chiffre(std::string_view s, std::size_t i)
{
    return i < s.size() && s[i] >= '0' && s[i] <= '9';
}

std::size_t sauter_blancs(std::string_view s, std::size_t i)
{
    while (std::size_t n = blanc(s, i))
        i += n;
    return i;
}

// Copies the digits at s[i] into out; blanks may separate groups of digits.
std::size_t lire_chiffres(std::string_view s, std::size_t i, std::string& out, bool groupes)
{
    while (true) {
        while (chiffre(s, i))
            out += s[i++];
        if (!groupes || out.empty())
            return i;
        std::size_t j = sauter_blancs(s, i);
        if (j == i || !chiffre(s, j))
            return i;
        i = j;
    }
}

std::optional<double> convertir(const std::string& ascii)
{
    double x = 0;
    auto [fin, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), x);
    if (ec != std::errc() || fin != ascii.data() + ascii.size() || !std::isfinite(x))
        return std::nullopt;
    return x;
}

}  // namespace

std::optional<double> virg(std::string_view texte)
{
    std::string s(texte);
    if (auto p = s.find('.'); p != std::string::npos)
        s[p] = ',';

    std::size_t i = sauter_blancs(s, 0);
    std::string ascii;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        if (s[i] == '-')
            ascii += '-';
        ++i;
    }
    std::string chiffres;
    i = lire_chiffres(s, i, chiffres, true);
    ascii += chiffres;
    if (i < s.size() && s[i] == ',') {
        std::string decimales;
        i = lire_chiffres(s, i + 1, decimales, false);
        chiffres += decimales;
        ascii += '.' + decimales;
    }
    if (chiffres.empty())
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ascii += 'e';
        ++i;
        if (i < s.size() && (s[i] == '-' || s[i] == '+'))
            ascii += s[i++];
        std::string exposant;
        i = lire_chiffres(s, i, exposant, false);
        if (exposant.empty())
            return std::nullopt;
        ascii += exposant;
    }
    if (sauter_blancs(s, i) != s.size())
        return std::nullopt;
    return convertir(ascii);
}

double valeur_en_tete(std::string_view texte)
{
    std::string ascii;
    bool point = false;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        char c = texte[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        if ((c == '-' || c == '+') && ascii.empty())
            ascii += c;
        else if (c >= '0' && c <= '9')
            ascii += c;
        else if (c == '.' && !point)
            point = true, ascii += c;
        else
            break;
    }
    if (ascii.find_first_of("0123456789") == std::string::npos)
        return 0;
    if (ascii[0] == '+')
        ascii.erase(0, 1);
    if (ascii.back() == '.')
        ascii.pop_back();
    if (auto x = convertir(ascii))
        return *x;
    // Only a number too large for a double gets here.
    double max = std::numeric_limits<double>::max();
    return ascii[0] == '-' ? -max : max;
}

std::string texte_general(double x)
{
    if (!std::isfinite(x))
        return {};
    if (x == 0)
        return "0";
    char tampon[32];
    auto fin = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::general, 15).ptr;
    if (std::fabs(x) > 1.7976931348623e308)  // 15 digits would round past the largest double
        fin = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::general).ptr;
    std::string s(tampon, fin);
    std::replace(s.begin(), s.end(), '.', ',');
    std::replace(s.begin(), s.end(), 'e', 'E');
    return s;
}

namespace {

// Room for the digits of any double with up to 30 decimals.
constexpr int taille_chiffres = 340;

// Writes round(|x| 10^decimales) in decimal digits, without leading zeros, and
// gives their count; x is taken as the shortest decimal that reads back as x
// (what a person reads) and halves go away from zero.
int arrondi_decimal(double x, int decimales, char* chiffres)
{
    // Quick way for ordinary amounts: scaled in binary, the number rounds the
    // same as its decimal reading unless it lies within a hair of a half.
    constexpr double puissances[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    if (decimales <= 9) {
        double y = std::fabs(x) * puissances[decimales];
        double plancher = std::floor(y);
        if (y < 1e9 && std::fabs(y - plancher - 0.5) > 1e-6) {
            auto n = static_cast<unsigned long>(plancher) + (y - plancher > 0.5);
            return n == 0 ? 0 : static_cast<int>(std::to_chars(chiffres, chiffres + 24, n).ptr - chiffres);
        }
    }

    char sci[32];
    auto fin = std::to_chars(sci, sci + sizeof sci, std::fabs(x), std::chars_format::scientific).ptr;
    const char* e = std::find(sci, fin, 'e');
    char mantisse[20];
    int k = 0;
    for (const char* c = sci; c != e; ++c)
        if (*c != '.')
            mantisse[k++] = *c;
    int exposant = 0;
    std::from_chars(e + 1 + (e[1] == '+'), fin, exposant);

    // mantisse[i] weighs 10^(exposant - i); keep the digits down to 10^-decimales.
    int garder = exposant + 1 + decimales;
    if (garder < 0 || (garder == 0 && mantisse[0] < '5'))
        return 0;
    if (garder == 0) {
        chiffres[0] = '1';
        return 1;
    }
    std::fill(std::copy_n(mantisse, std::min(garder, k), chiffres), chiffres + garder, '0');
    if (garder < k && mantisse[garder] >= '5') {
        int i = garder;
        while (i > 0 && chiffres[i - 1] == '9')
            chiffres[--i] = '0';
        if (i > 0) {
            ++chiffres[i - 1];
        } else {
            std::copy_backward(chiffres, chiffres + garder, chiffres + garder + 1);
            chiffres[0] = '1';
            ++garder;
        }
    }
    int zeros = 0;
    while (zeros < garder && chiffres[zeros] == '0')
        ++zeros;
    std::copy(chiffres + zeros, chiffres + garder, chiffres);
    return garder - zeros;
}

bool place_chiffre(char c)
{
    return c == '#' || c == '0';
}

}  // namespace

std::size_t nb_caracteres(std::string_view texte)
{
    return static_cast<std::size_t>(
        std::count_if(texte.begin(), texte.end(), [](unsigned char c) { return (c & 0xC0) != 0x80; }));
}

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
    int decimales = decimales_;

    // The digits, right-aligned after enough zeros to show "0,00".
    char tampon[taille_chiffres + 32];
    char* chiffres = tampon + 32;
    int n = arrondi_decimal(x, decimales, chiffres);
    bool signe = x < 0 && n > 0;
    while (n < decimales + 1)
        *--chiffres = '0', ++n;
    // The units digit shows only where the pattern asks for it ("0") or the number has one.
    int nb_entiers = n - decimales;
    if (nb_entiers == 1 && chiffres[0] == '0')
        nb_entiers = 0, ++chiffres;
    const char* lu = chiffres;

    // Built on the stack, so that a short text needs no allocation of its own.
    char pile[taille_chiffres + 128];
    std::string tas;
    std::size_t taille = entier_.size() + suite_.size() + static_cast<std::size_t>(n) + 1;
    char* debut = taille <= sizeof pile ? pile : (tas.resize(taille), tas.data());
    char* o = debut;
    auto ecrire = [&](const char* source, int combien) {
        if (combien <= 0)
            return;
        if (signe)
            *o++ = '-', signe = false;
        while (combien-- > 0)
            *o++ = *source++;
    };
    // Placeholders take the digits from the right; the first one also takes
    // every digit that the pattern has no room for.
    int places = places_;
    int j = 0;
    for (char c : entier_) {
        if (!place_chiffre(c)) {
            *o++ = c;
        } else if (j++ == 0 && nb_entiers > places) {
            ecrire(lu, nb_entiers - places + 1);
            lu += nb_entiers - places + 1;
        } else if (j - 1 >= places - nb_entiers) {
            ecrire(lu++, 1);
        } else if (c == '0') {
            ecrire("0", 1);
        }
    }
    for (char c : suite_) {
        if (c == '.')
            *o++ = ',';
        else if (place_chiffre(c))
            ecrire(lu++, 1);
        else
            *o++ = c;
    }
    return std::string(debut, o);
}

double centieme(double x)
{
    char texte[64];
    auto [fin, ec] = std::to_chars(texte, texte + sizeof texte, x, std::chars_format::scientific);
    if (ec != std::errc() || !std::isfinite(x))
        return x / 100;
    std::string_view s(texte, fin - texte);
    std::size_t e = s.find('e');
    std::string decale =
        std::string(s.substr(0, e)) + "e" + std::to_string(std::stoi(std::string(s.substr(e + 1))) - 2);
    double resultat = x / 100;
    std::from_chars(decale.data(), decale.data() + decale.size(), resultat);
    return resultat;
}

std::string montant(double x)
{
    static const Motif groupes("### ### ### ##0.00");
    std::string texte = groupes(x);
    return texte.substr(std::min(texte.find_first_not_of(' '), texte.size()));
}

std::string euros(double x)
{
    return montant(x) + " €";
}

std::string pour_cent(double fraction, int decimales)
{
    return format_motif(fraction * 100, "##0." + std::string(decimales, '0')) + " %";
}

}  // namespace calc
