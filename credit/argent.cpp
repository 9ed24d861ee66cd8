#include "credit/argent.h"

#include "calc/nombres.h"

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

}  // namespace credit
