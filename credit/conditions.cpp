#include "credit/conditions.h"

#include "calc/annuite.h"

#include <cmath>

namespace credit {
namespace {

// (a b) mod d and a^k mod d, for a, b below d < 2^62.
Entier produit_mod(Entier a, Entier b, Entier d)
{
    return a * b % d;
}

Entier puissance_mod(Entier a, int k, Entier d)
{
    Entier r = 1 % d;
    for (; k > 0; k >>= 1, a = produit_mod(a, a, d))
        if (k & 1)
            r = produit_mod(r, a, d);
    return r;
}

bool dans(double x, double mini, double maxi)
{
    return x >= mini && x <= maxi;  // false for NaN
}

}  // namespace

// The constant instalment in cents, rounded half away from zero. With
// r = a / b it is the fraction C (a+b)^(n-1+t) / (b^t S) with
// S = sum of (a+b)^j b^(n-1-j) for j < n, t = 1 at the end of periods and 0
// at the start; its numerator is prime to its denominator, so it falls on a
// half cent only where the denominator divides 2 C. Where the denominator is
// that small, the remainder worked modulo it decides the rounding and the
// double formula only gives the whole part; elsewhere the double is rounded,
// nearer to a half cent than its error (below 0.01 cent) only by rare chance.
std::optional<std::int64_t> annuite(std::int64_t capital, const Fraction& taux, int n, bool debut)
{
    auto estimee = calc::pmt(static_cast<double>(taux.num) / static_cast<double>(taux.den), n,
                             static_cast<double>(-capital), 0, debut ? 1 : 0);
    if (!estimee)
        return std::nullopt;
    const Entier limite = Entier(1) << 62, base = taux.num + taux.den, b = taux.den;
    Entier somme = 0, puissance_b = 1;  // S for the first k terms, and b^k <= b S
    for (int k = 0; k < n && base < limite && b < limite; ++k) {
        somme = base * somme + puissance_b;
        if (somme >= limite)
            break;
        puissance_b *= b;
    }
    if (somme == 0 || somme >= limite)  // before the product below, which would overflow
        return std::llround(*estimee);
    Entier d = debut ? somme : somme * b;
    if (d >= limite)
        return std::llround(*estimee);
    Entier reste = produit_mod(capital % d, puissance_mod(base % d, n - debut, d), d);
    auto entiers = std::llround(*estimee - static_cast<double>(reste) / static_cast<double>(d));
    return entiers + (2 * reste >= d);
}

std::optional<Prime> prime(const Assurance& a, int periodes_par_an)
{
    if (a.mensualite) {
        if (!dans(*a.mensualite, 0, capital_maxi))
            return std::nullopt;
        return Prime{{}, false, centimes(*a.mensualite) * (12 / periodes_par_an)};
    }
    if (!dans(a.taux, 0, taux_annuel_maxi) || !dans(a.quotite, 0.01, 1))
        return std::nullopt;
    return Prime{fraction(a.taux, periodes_par_an, a.quotite), a.base == BaseAssurance::capital_restant_du, 0};
}

std::optional<Fraction> taux_par_periode(double taux_annuel, int periodes_par_an)
{
    if (!dans(taux_annuel, -taux_annuel_maxi, taux_annuel_maxi))
        return std::nullopt;
    Fraction r = fraction(taux_annuel, periodes_par_an);
    return r.num + r.den > 0 ? std::optional(r) : std::nullopt;
}

std::optional<Conditions> conditions(const Pret& pret)
{
    int p = pret.periodes_par_an;
    if (!dans(pret.capital, 0, capital_maxi) || !dans(pret.frais, 0, capital_maxi) || pret.nb_echeances < 1 ||
        pret.nb_echeances > nb_echeances_maxi || p < 1 || p > 12 || 12 % p != 0)
        return std::nullopt;
    auto taux = taux_par_periode(pret.taux_annuel, p);
    if (!taux)
        return std::nullopt;
    Conditions c{centimes(pret.capital), centimes(pret.frais), *taux, {}};
    for (const Assurance& a : pret.assurances) {
        auto pr = prime(a, p);
        if (!pr)
            return std::nullopt;
        c.primes.push_back(*pr);
    }
    if (c.capital <= 0)
        return std::nullopt;
    return c;
}

}  // namespace credit
