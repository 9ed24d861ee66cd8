#pragma once

// The root of a function within a bracket, for the rate solvers.

#include <algorithm>
#include <cmath>

namespace calc {

// A function's value and slope at a point.
struct Pente {
    double valeur, pente;
};

// A root of f in [a, b], where f(a) and f(b) differ in sign: Newton's steps
// kept inside the bracket, which shrinks around the root, and bisection where
// a step would leave it. Stops on a zero, on a step below 1e-16 (Newton's
// next one would be far smaller still) or on a bracket a few units of the
// last place wide. f(x) gives a Pente.
template <class F>
double racine_encadree(F f, double a, double b)
{
    const bool positif_en_a = f(a).valeur > 0;
    double x = a + (b - a) / 2;
    for (int i = 0; i < 200 && b - a > 4e-16 * std::max(std::fabs(a), std::fabs(b)); ++i) {
        Pente p = f(x);
        if (p.valeur == 0)
            return x;
        ((p.valeur > 0) == positif_en_a ? a : b) = x;
        double suivant = x - p.valeur / p.pente;
        if (!(suivant > a && suivant < b))  // false for NaN too
            suivant = a + (b - a) / 2;
        if (std::fabs(suivant - x) <= 1e-16 * std::max(1.0, std::fabs(x)))
            return suivant;
        x = suivant;
    }
    return x;
}

}  // namespace calc
