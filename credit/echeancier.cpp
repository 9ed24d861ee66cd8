#include "credit/echeancier.h"

#include "calc/annuite.h"
#include "calc/nombres.h"
#include "credit/argent.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

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
    Entier d = debut ? somme : somme * b;
    if (somme == 0 || somme >= limite || d >= limite)
        return std::llround(*estimee);
    Entier reste = produit_mod(capital % d, puissance_mod(base % d, n - debut, d), d);
    auto entiers = std::llround(*estimee - static_cast<double>(reste) / static_cast<double>(d));
    return entiers + (2 * reste >= d);
}

// One borrower's premium a line: a rate per period of its base, or a fixed amount.
struct Prime {
    Fraction taux;
    bool sur_le_restant_du;
    std::int64_t fixe;

    std::int64_t de(std::int64_t initial, std::int64_t reste) const
    {
        return fixe + taux.de(sur_le_restant_du ? reste : initial);
    }
};

// A loan's terms once checked, amounts in cents.
struct Conditions {
    std::int64_t capital, frais;
    Fraction taux;
    std::vector<Prime> primes;
};

bool dans(double x, double mini, double maxi)
{
    return x >= mini && x <= maxi;  // false for NaN
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

std::optional<Conditions> conditions(const Pret& pret)
{
    int p = pret.periodes_par_an;
    if (!dans(pret.capital, 0, capital_maxi) || !dans(pret.frais, 0, capital_maxi) ||
        !dans(pret.taux_annuel, -taux_annuel_maxi, taux_annuel_maxi) || pret.nb_echeances < 1 ||
        pret.nb_echeances > nb_echeances_maxi || p < 1 || p > 12 || 12 % p != 0)
        return std::nullopt;
    Conditions c{centimes(pret.capital), centimes(pret.frais), fraction(pret.taux_annuel, p), {}};
    for (const Assurance& a : pret.assurances) {
        auto pr = prime(a, p);
        if (!pr)
            return std::nullopt;
        c.primes.push_back(*pr);
    }
    if (c.capital <= 0 || c.taux.num + c.taux.den <= 0)
        return std::nullopt;
    return c;
}

std::vector<Ligne> lignes(const Conditions& c, const Pret& pret)
{
    int n = pret.nb_echeances;
    bool debut = pret.en_debut_de_periode, capital_constant = pret.amortissement == Amortissement::capital_constant;
    auto part = capital_constant ? std::optional(static_cast<std::int64_t>(arrondi(c.capital, n)))
                                 : annuite(c.capital, c.taux, n, debut);
    if (!part)
        return {};
    std::vector<Ligne> resultat;
    resultat.reserve(static_cast<std::size_t>(n));
    std::int64_t reste = c.capital;
    for (int k = 1; k <= n; ++k) {
        std::int64_t interets = debut && k == 1 ? 0 : c.taux.de(reste);
        std::int64_t amorti = capital_constant ? *part : *part - interets;
        amorti = k == n ? reste : std::clamp<std::int64_t>(amorti, 0, reste);
        std::int64_t assurance = 0;
        for (const Prime& p : c.primes)
            assurance += p.de(c.capital, reste);
        reste -= amorti;
        resultat.push_back({k, en_euros(interets + amorti), en_euros(interets), en_euros(amorti), en_euros(assurance),
                            en_euros(reste)});
    }
    return resultat;
}

}  // namespace

std::vector<Ligne> echeancier(const Pret& pret)
{
    auto c = conditions(pret);
    return c ? lignes(*c, pret) : std::vector<Ligne>{};
}

std::optional<double> taeg(const Pret& pret)
{
    return taeg(pret, echeancier(pret));
}

void ajouter_flux(std::vector<Flux>& flux, const Pret& pret, const std::vector<Ligne>& lignes, bool avec_assurance)
{
    int decalage = pret.en_debut_de_periode ? 1 : 0;
    for (const Ligne& l : lignes)
        flux.push_back({static_cast<double>(l.numero - decalage) / pret.periodes_par_an,
                        -(l.echeance + (avec_assurance ? l.assurance : 0))});
}

std::optional<double> taeg(const Pret& pret, const std::vector<Ligne>& lignes, bool avec_assurance)
{
    auto c = conditions(pret);
    if (!c || lignes.empty())
        return std::nullopt;
    std::vector<Flux> flux{{0, en_euros(c->capital - c->frais)}};
    ajouter_flux(flux, pret, lignes, avec_assurance);
    return taux_actuariel(flux);
}

}  // namespace credit
