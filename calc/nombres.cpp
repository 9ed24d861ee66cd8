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
    std::string s(tampon, fin);
    std::replace(s.begin(), s.end(), '.', ',');
    std::replace(s.begin(), s.end(), 'e', 'E');
    return s;
}

namespace {

// |x| as the decimal a person reads (shortest round-trip form), rounded half
// away from zero to `decimales` places: integer digits without leading zeros,
// then exactly `decimales` fraction digits.
std::pair<std::string, std::string> chiffres_arrondis(double x, int decimales)
{
    char tampon[40];
    auto fin = std::to_chars(tampon, tampon + sizeof tampon, std::fabs(x), std::chars_format::scientific).ptr;
    std::string_view sci(tampon, fin);
    auto e = sci.find('e');
    std::string chiffres;
    for (char c : sci.substr(0, e))
        if (c != '.')
            chiffres += c;
    int exposant = 0;
    std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+'), sci.data() + sci.size(), exposant);

    // chiffres[k] stands for 10^(exposant - k); keep down to 10^-decimales.
    long garder = static_cast<long>(exposant) + 1 + decimales;
    std::string tous;
    if (garder < 0) {
        tous = "";
    } else {
        bool monter = garder < static_cast<long>(chiffres.size()) && chiffres[garder] >= '5';
        chiffres.resize(garder, '0');
        tous = chiffres;
        for (long k = garder - 1; monter && k >= 0; --k) {
            monter = tous[k] == '9';
            tous[k] = monter ? '0' : tous[k] + 1;
        }
        if (monter)
            tous.insert(tous.begin(), '1');
    }
    if (tous.size() < static_cast<std::size_t>(decimales))
        tous.insert(0, decimales - tous.size(), '0');
    std::string entier = tous.substr(0, tous.size() - decimales);
    entier.erase(0, std::min(entier.find_first_not_of('0'), entier.size()));
    return {entier, tous.substr(tous.size() - decimales)};
}

bool place_chiffre(char c)
{
    return c == '#' || c == '0';
}

}  // namespace

std::string format_motif(double x, std::string_view motif)
{
    if (!std::isfinite(x))
        return {};
    auto point = std::min(motif.find('.'), motif.size());
    std::string_view partie_entiere = motif.substr(0, point);
    std::string_view suite = motif.substr(point);
    auto decimales = static_cast<int>(std::count_if(suite.begin(), suite.end(), place_chiffre));
    auto [entier, fraction] = chiffres_arrondis(x, decimales);
    bool negatif = x < 0 && (entier + fraction).find_first_not_of('0') != std::string::npos;

    // The integer part fills from the right; digits beyond the pattern go in
    // front of its first placeholder, and the sign right before the first digit.
    std::string gauche;
    auto reste = static_cast<long>(entier.size());
    auto premiere = partie_entiere.find_first_of("#0");
    for (long k = static_cast<long>(partie_entiere.size()) - 1; k >= 0; --k) {
        char c = partie_entiere[k];
        if (!place_chiffre(c)) {
            gauche.insert(gauche.begin(), c);
            continue;
        }
        std::string ici;
        if (reste > 0)
            ici = entier[--reste];
        else if (c == '0')
            ici = "0";
        if (static_cast<std::size_t>(k) == premiere) {
            ici = entier.substr(0, reste) + ici;
            reste = 0;
        }
        gauche.insert(0, ici);
    }
    if (negatif) {
        auto d = gauche.find_first_of("0123456789");
        gauche.insert(d == std::string::npos ? gauche.size() : d, "-");
    }

    std::string droite;
    std::size_t f = 0;
    for (char c : suite) {
        if (c == '.')
            droite += ',';
        else if (place_chiffre(c))
            droite += fraction[f++];
        else
            droite += c;
    }
    return gauche + droite;
}

}  // namespace calc
