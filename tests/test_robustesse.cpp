// Random texts and numbers, fixed seed: every function gives a finite result
// or none, and numbers written come back as they were.
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
    static const std::vector<std::string> morceaux = {
        "0", "1", "2", "5", "9", "00", ",", ".", "-", "+", " ", "e", "E", "a", "z", "é", "€", "\xC2\xA0",
        "\xE2\x80\xAF", "1e400", "1.2.3", "\xFF", "\t", "999999999999999999999", "0.00", "Mini", "%"};
    std::string t;
    auto n = std::uniform_int_distribution<int>(0, 12)(hasard);
    for (int i = 0; i < n; ++i)
        t += morceaux[std::uniform_int_distribution<std::size_t>(0, morceaux.size() - 1)(hasard)];
    return t;
}

double nombre_au_hasard()
{
    std::uniform_real_distribution<double> exposant(-300, 300), signe(-1, 1);
    switch (std::uniform_int_distribution<int>(0, 9)(hasard)) {
    case 0: return 0;
    case 1: return -0.0;
    case 2: return std::numeric_limits<double>::denorm_min();
    case 3: return std::numeric_limits<double>::max();
    case 4: return std::uniform_int_distribution<int>(-700, 700)(hasard);
    default: return std::copysign(std::pow(10.0, exposant(hasard)), signe(hasard));
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

TEST(Robustesse, TextesAuHasard)
{
    for (int i = 0; i < 20000; ++i) {
        std::string t = texte_au_hasard();
        ASSERT_TRUE(fini_ou_rien(virg(t))) << t;
        ASSERT_TRUE(std::isfinite(valeur_en_tete(t))) << t;
        auto v = verifier_hypotheses({t, texte_au_hasard(), texte_au_hasard(), t, texte_au_hasard(), i % 2 == 0});
        for (const Refus& r : v.refus)
            ASSERT_TRUE(lisible(r.message.texte));
        for (const Resultat& r : {nb_mens(t, texte_au_hasard(), texte_au_hasard(), i % 2 == 0),
                                  calcul_taux(texte_au_hasard(), t, texte_au_hasard(), i % 3, i % 2 == 0)})
            ASSERT_TRUE(lisible(r.legende.value_or(""))) << t;
    }
}

TEST(Robustesse, NombresEcritsPuisRelus)
{
    for (int i = 0; i < 20000; ++i) {
        double x = nombre_au_hasard();
        std::string t = texte_general(x);
        auto relu = virg(t);
        ASSERT_TRUE(relu) << t;
        ASSERT_LE(std::fabs(*relu - x), 5e-15 * std::fabs(x)) << t;
        for (const char* motif : {"### ### ##0.00 €", "#0.00€", "##0.00000", "##0.00"}) {
            std::string f = format_motif(x, motif);
            ASSERT_FALSE(f.empty());
            ASSERT_TRUE(lisible(f)) << f;
        }
    }
}

TEST(Robustesse, FonctionsFinanciereFiniesOuRien)
{
    std::uniform_real_distribution<double> taux(-2, 2);
    for (int i = 0; i < 20000; ++i) {
        double r = i % 4 == 0 ? nombre_au_hasard() : taux(hasard);
        double n = i % 3 == 0 ? nombre_au_hasard() : std::uniform_int_distribution<int>(-700, 700)(hasard) / (i % 5 ? 1.0 : 7.0);
        double a = nombre_au_hasard(), b = nombre_au_hasard(), c = nombre_au_hasard();
        int type = i % 2;
        ASSERT_TRUE(fini_ou_rien(pmt(r, n, a, b, type))) << r << ' ' << n << ' ' << a << ' ' << b;
        ASSERT_TRUE(fini_ou_rien(nper(r, a, b, c, type))) << r << ' ' << a << ' ' << b << ' ' << c;
        auto solution = rate(n, a, b, c, type, taux(hasard));
        ASSERT_TRUE(fini_ou_rien(solution) && (!solution || *solution > -1)) << n << ' ' << a << ' ' << b << ' ' << c;
        ASSERT_TRUE(fini_ou_rien(calcul_echeance(i % 4, a, r, static_cast<std::int16_t>(n), type ? 1 : 12)));
    }
}
