// Random texts and numbers, fixed seed: every function gives a finite result
// or none, nothing shows "nan" or "inf", and numbers written read back.
#include "annuite.h"
#include "calculateurs.h"
#include "nombres.h"
#include "verifications.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace calc;

namespace {

std::mt19937_64 hasard(20261206);

std::string texte_au_hasard()
{
    // clang-format off
    static const std::vector<std::string> morceaux = {
        "0", "1", "5", "9", "00", ",", ".", "-", "+", " ", "e", "a", "é", "€", "\xC2\xA0", "1e400", "1.2.3",
        "\xFF", "999999999999999999999", "0.00", "Mini"};
    // clang-format on
    std::string t;
    for (int i = std::uniform_int_distribution<int>(0, 12)(hasard); i > 0; --i)
        t += morceaux[std::uniform_int_distribution<std::size_t>(0, morceaux.size() - 1)(hasard)];
    return t;
}

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

bool lisible(const std::string& t)
{
    return t.find("nan") == std::string::npos && t.find("inf") == std::string::npos;
}

}  // namespace

TEST(Robustesse, TextesNombresEtFonctionsFinancieresAuHasard)
{
    std::uniform_real_distribution<double> taux(-2, 2);
    for (int i = 0; i < 20000; ++i) {
        std::string t = texte_au_hasard();
        ASSERT_TRUE(fini_ou_rien(virg(t)) && std::isfinite(valeur_en_tete(t))) << t;
        for (const Refus& r : verifier_hypotheses({t, texte_au_hasard(), t, t, texte_au_hasard(), i % 2 == 0}).refus)
            ASSERT_TRUE(lisible(r.message.texte));
        for (const Resultat& r : {nb_mens({t, texte_au_hasard(), texte_au_hasard(), i % 2 == 0}),
                                  calcul_taux({texte_au_hasard(), t, texte_au_hasard(), i % 3, i % 2 == 0})})
            ASSERT_TRUE(lisible(r.legende.value_or(""))) << t;

        double x = nombre_au_hasard(), y = nombre_au_hasard(), z = nombre_au_hasard();
        auto relu = virg(texte_general(x));
        ASSERT_TRUE(relu && std::fabs(*relu - x) <= 5e-15 * std::fabs(x)) << texte_general(x);
        ASSERT_TRUE(lisible(format_motif(x, "### ### ##0.00 €")) && !format_motif(x, "##0.00000").empty()) << x;

        double r = i % 4 == 0 ? nombre_au_hasard() : taux(hasard);
        double n = i % 3 == 0 ? nombre_au_hasard()
                              : std::uniform_int_distribution<int>(-700, 700)(hasard) / (i % 5 ? 1.0 : 7.0);
        ASSERT_TRUE(fini_ou_rien(pmt(r, n, x, y, i % 2)) && fini_ou_rien(nper(r, x, y, z, i % 2))) << r << ' ' << n;
        auto solution = rate(n, x, y, z, i % 2, taux(hasard));
        ASSERT_TRUE(fini_ou_rien(solution) && (!solution || *solution > -1)) << n << ' ' << x << ' ' << y << ' ' << z;
        ASSERT_TRUE(fini_ou_rien(calcul_echeance(i % 4, x, r, static_cast<std::int16_t>(n), i % 2 ? 1 : 12)));
    }
}
