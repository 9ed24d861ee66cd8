#include "calc/nombres.h"

#include "calc/motif.h"

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

std::optional<double> virg_unite(std::string_view texte, std::string_view unite)
{
    std::size_t fin = texte.size();
    while (fin > 0 && (texte[fin - 1] == ' ' || texte[fin - 1] == '\t'))
        --fin;
    texte = texte.substr(0, fin);
    if (!unite.empty() && texte.size() >= unite.size() && texte.substr(texte.size() - unite.size()) == unite)
        texte.remove_suffix(unite.size());
    return virg(texte);
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

Decimal decimal_exact(double x)
{
    char texte[32];
    const char* fin = std::to_chars(texte, texte + sizeof texte, x, std::chars_format::scientific).ptr;
    const char* c = texte + (x < 0);
    std::int64_t m = 0;
    int decimales = 0;
    for (bool apres_point = false; *c != 'e'; ++c)
        if (*c == '.')
            apres_point = true;
        else
            m = m * 10 + (*c - '0'), decimales += apres_point;
    int e = 0;
    std::from_chars(c + 1 + (c[1] == '+'), fin, e);
    return {x < 0 ? -m : m, e - decimales};
}

std::size_t nb_caracteres(std::string_view texte)
{
    return static_cast<std::size_t>(
        std::count_if(texte.begin(), texte.end(), [](unsigned char c) { return (c & 0xC0) != 0x80; }));
}

double centieme(double x)
{
    if (!std::isfinite(x))
        return x / 100;
    auto [mantisse, exposant] = decimal_exact(x);
    std::string decale = std::to_string(mantisse) + "e" + std::to_string(exposant - 2);
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
