#include "credit/argent.h"

#include "calc/nombres.h"

#include <cmath>
#include <utility>

namespace credit {

Entier puissance_de_10(int k)
{
    Entier p = 1;
    while (k-- > 0)
        p *= 10;
    return p;
}

Entier arrondi(Entier n, Entier d)
{
    Entier q = n / d, r = n % d;
    if (2 * (r < 0 ? -r : r) >= d)
        q += n < 0 ? -1 : 1;
    return q;
}

std::int64_t centimes(double euros)
{
    // Quick way for the amounts of a schedule, whole cents already: within a
    // thousandth of a cent of one, the decimal rounds to it as well.
    double y = euros * 100, entier = std::nearbyint(y);
    if (std::fabs(y - entier) < 1e-3 && std::fabs(y) < 1e15)
        return static_cast<std::int64_t>(entier);
    auto [m, e] = calc::decimal_exact(euros);
    if (e + 2 >= 0)
        return static_cast<std::int64_t>(m * puissance_de_10(e + 2));
    if (-(e + 2) > 37)  // |m| < 10^17: far below half a cent
        return 0;
    return static_cast<std::int64_t>(arrondi(m, puissance_de_10(-(e + 2))));
}

double en_euros(std::int64_t centimes)
{
    return static_cast<double>(centimes) / 100;
}

namespace {

Entier pgcd(Entier a, Entier b)
{
    a = a < 0 ? -a : a;
    while (b != 0)
        a = std::exchange(b, a % b);
    return a;
}

}  // namespace

std::int64_t Fraction::de(std::int64_t centimes) const
{
    return static_cast<std::int64_t>(arrondi(centimes * num, den));
}

// The numerator stays below 10^23, so that 10^15 cents times it fit.
Fraction fraction(double taux, int diviseur, double facteur)
{
    auto [m1, e1] = calc::decimal_exact(taux);
    auto [m2, e2] = calc::decimal_exact(facteur);
    Entier m = Entier(m1) * m2;
    int e = e1 + e2;
    if (m > Entier(puissance_de_10(23)) || -m > Entier(puissance_de_10(23))) {
        auto [m3, e3] = calc::decimal_exact(taux * facteur);  // so many digits: no typed decimal
        m = m3, e = e3;
    }
    Fraction f;
    if (e >= 0) {
        f.num = m * puissance_de_10(e);
        f.den = diviseur;
    } else if (e >= -36) {
        f.num = m;
        f.den = puissance_de_10(-e) * diviseur;
    }
    Entier g = pgcd(f.num, f.den);
    f.num /= g;
    f.den /= g;
    return f;
}

}  // namespace credit
