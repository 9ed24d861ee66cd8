#include "credit/actuariel.h"

#include "calc/solveur.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace credit {
namespace {

constexpr double horizon_maxi_annees = 1e4;

// The flows in time order, those at the same time added up, the zero sums
// dropped, every amount divided by the largest so that no sum overflows; none
// when adding them up overflowed.
std::vector<Flux> regroupes(std::vector<Flux> flux)
{
    std::stable_sort(flux.begin(), flux.end(), [](const Flux& a, const Flux& b) { return a.annees < b.annees; });
    std::vector<Flux> r;
    for (const Flux& f : flux)
        if (!r.empty() && r.back().annees == f.annees)
            r.back().montant += f.montant;
        else
            r.push_back(f);
    std::erase_if(r, [](const Flux& f) { return f.montant == 0; });
    double plus_grand = 0;
    for (const Flux& f : r)
        plus_grand = std::max(plus_grand, std::fabs(f.montant));
    if (!std::isfinite(plus_grand))
        return {};
    for (Flux& f : r)
        f.montant /= plus_grand;
    return r;
}

// The present value in v = ln(1+X), multiplied by (1+X)^pivot where pivot is
// the time of the first flow of the second sign, and by that sign: every term
// then grows with v (the earlier flows weigh more, the later ones less), so
// the function rises strictly from below 0 to above it and has one root.
class ValeurActuelle {
public:
    ValeurActuelle(std::vector<Flux> flux, double pivot, double signe)
        : flux_(std::move(flux)), pivot_(pivot), signe_(signe)
    {
    }

    // Terms overflow only to an infinity of the function's own sign there.
    calc::Pente en(double v) const
    {
        double valeur = 0, pente = 0;
        for (const Flux& f : flux_) {
            double avance = pivot_ - f.annees;
            double terme = signe_ * f.montant * std::exp(v * avance);
            valeur += terme;
            pente += terme * avance;
        }
        return {valeur, pente};
    }

    // A bracket [bas, haut] around the root, looked for outwards from v = 0;
    // nothing when the root lies where 1 + X overflows or rounds to 0.
    std::optional<std::pair<double, double>> encadrement() const
    {
        constexpr double v_maxi = 710, v_mini = -40;  // e^710 overflows; 1 - e^-40 rounds to 1
        double pas = 1.0 / 16;
        if (en(0).valeur < 0) {
            double bas = 0;
            for (double haut = pas; haut <= 2 * v_maxi; bas = haut, haut *= 2)
                if (en(haut).valeur >= 0)
                    return std::pair{bas, haut};
        } else {
            double haut = 0;
            for (double bas = -pas; bas >= 2 * v_mini; haut = bas, bas *= 2)
                if (en(bas).valeur <= 0)
                    return std::pair{bas, haut};
        }
        return std::nullopt;
    }

    double racine(double bas, double haut) const
    {
        return calc::racine_encadree([this](double v) { return en(v); }, bas, haut);
    }

private:
    std::vector<Flux> flux_;
    double pivot_, signe_;
};

}  // namespace

std::optional<double> taux_actuariel(const std::vector<Flux>& flux)
{
    for (const Flux& f : flux)
        if (!std::isfinite(f.montant) || !(std::fabs(f.annees) <= horizon_maxi_annees))
            return std::nullopt;
    std::vector<Flux> tries = regroupes(flux);
    std::size_t changements = 0, pivot = 0;
    for (std::size_t i = 1; i < tries.size(); ++i)
        if ((tries[i].montant > 0) != (tries[i - 1].montant > 0))
            ++changements, pivot = i;
    if (changements != 1)
        return std::nullopt;
    ValeurActuelle equation(tries, tries[pivot].annees, tries[0].montant > 0 ? 1 : -1);
    auto encadrement = equation.encadrement();
    if (!encadrement)
        return std::nullopt;
    double x = std::expm1(equation.racine(encadrement->first, encadrement->second));
    if (!std::isfinite(x) || x <= -1)
        return std::nullopt;
    return x;
}

}  // namespace credit
