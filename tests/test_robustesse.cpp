// Random numbers, fixed seed: every function gives a finite result or none,
// every number formats, and numbers written read back.
#include "calc/annuite.h"
#include "calc/motif.h"
#include "calc/nombres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace calc;

namespace {

std::mt19937_64 hasard(20261206);

double nombre_au_hasard()
{
    switch (std::uniform_int_distribution<int>(0, 7)(hasard)) {
    case 0: return std::numeric_limits<double>::denorm_min();
    case 1: return std::numeric_limits<double>::max();
    case 2: return std::uniform_int_distribution<int>(-700, 700)(hasard);
    default:
        return std::copysign(std::pow(10.0, std::uniform_real_distribution<double>(-300, 300)(hasard)),
                             std::uniform_real_distribution<double>(-1, 1)(hasard));
    }
}

bool fini_ou_rien(std::optional<double> x)
{
    return !x || std::isfinite(*x);
}

}  // namespace

TEST(Robustesse, NombresEtFonctionsFinancieresAuHasard)
{
    std::uniform_real_distribution<double> taux(-2, 2);
    for (int i = 0; i < 20000; ++i) {
        double x = nombre_au_hasard(), y = nombre_au_hasard(), z = nombre_au_hasard();
        auto relu = virg(texte_general(x));
        // Half a unit of the 15th digit, and the reading's own rounding.
        ASSERT_TRUE(relu && std::fabs(*relu - x) <= 5.2e-15 * std::fabs(x))
            << texte_general(x) << ' ' << std::setprecision(17) << x;
        ASSERT_TRUE(!format_motif(x, "### ### ##0.00 €").empty() && !format_motif(x, "##0.00000").empty()) << x;

        double r = i % 4 == 0 ? nombre_au_hasard() : taux(hasard);
        double n = i % 3 == 0 ? nombre_au_hasard()
                              : std::uniform_int_distribution<int>(-700, 700)(hasard) / (i % 5 ? 1.0 : 7.0);
        ASSERT_TRUE(fini_ou_rien(pmt(r, n, x, y, i % 2)) && fini_ou_rien(nper(r, x, y, z, i % 2))) << r << ' ' << n;
        auto solution = rate(n, x, y, z, i % 2, taux(hasard));
        ASSERT_TRUE(fini_ou_rien(solution) && (!solution || *solution > -1)) << n << ' ' << x << ' ' << y << ' ' << z;
        ASSERT_TRUE(fini_ou_rien(calcul_echeance(Formule(i % 3), x, r, static_cast<std::int16_t>(n), i % 2 ? 1 : 12)));
    }
}
