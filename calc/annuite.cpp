#include "calc/annuite.h"

#include "calc/solveur.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace calc {
namespace {

std::optional<double> fini(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    return x;
}

bool tous_finis(std::initializer_list<double> valeurs)
{
    for (double v : valeurs)
        if (!std::isfinite(v))
            return false;
    return true;
}

// Sum of products, each split exactly with fma and the parts added with
// compensation, so that a near-cancelling sum keeps its digits.
double somme_produits(std::initializer_list<std::pair<double, double>> termes)
{
    double somme = 0, correction = 0;
    auto ajouter = [&](double v) {
        double t = somme + v;
        correction += std::fabs(somme) >= std::fabs(v) ? (somme - t) + v : (v - t) + somme;
        somme = t;
    };
    for (auto [a, b] : termes) {
        double p = a * b;
        ajouter(p);
        ajouter(std::fma(a, b, -p));
    }
    return somme + correction;
}

double echeance_type(int type)
{
    return type != 0 ? 1.0 : 0.0;
}

// The balance of a loan after nper periods at rate r, as a function of r:
// pv (1+r)^n + pmt (1 + r type) ((1+r)^n - 1) / r + fv.
class SoldePret {
public:
    SoldePret(double n, double pmt, double pv, double fv, int type)
        : n_(n), pmt_(pmt), pv_(pv), fv_(fv), t_(echeance_type(type))
    {
    }

    struct Point {
        double valeur;
        double pente;
        double ampleur;    // the size of the terms that make up the value
        double pente_log;  // slope of ln(c Q), where the value is v + pmt c Q
    };

    // Value and slope at r > -1. Where (1+r)^n exceeds 1 the balance is
    // divided by it: no overflow at large rates, and a flatter curve that
    // Newton crosses in few steps. (1+r)^m - 1 comes from expm1, so small
    // rates keep their digits.
    Point en(double r) const
    {
        double x = n_ * std::log1p(r);
        bool divise = x > 0;
        double m = divise ? -n_ : n_;
        double y = divise ? -x : x;  // w = (1+r)^m = e^y <= 1
        double em = std::expm1(y);
        double w = y > -0.5 ? 1 + em : std::exp(y);
        double q, pente_q;  // ((1+r)^m - 1) / r and its slope
        if (std::fabs(r) < 1e-6) {
            q = r == 0 ? m : em / r;
            pente_q = m * (m - 1) / 2 + m * (m - 1) * (m - 2) / 3 * r;
        } else {
            q = em / r;
            pente_q = (m * w / (1 + r) - q) / r;
        }
        double c = 1 + r * t_;
        double avant = divise ? fv_ : pv_, apres = divise ? pv_ : fv_, signe_q = divise ? -1 : 1;
        return {avant * w + signe_q * pmt_ * c * q + apres,
                avant * m * w / (1 + r) + signe_q * pmt_ * (t_ * q + c * pente_q),
                std::fabs(avant * w) + std::fabs(pmt_ * c * q) + std::fabs(apres), (t_ * q + c * pente_q) / (c * q)};
    }

    // A root, not a point where Newton merely stalled (such as r near -1,
    // where with payments in advance every term vanishes).
    bool equilibre(double r) const
    {
        Point p = en(r);
        return r > -1 && std::fabs(p.valeur) <= 1e-9 * p.ampleur;
    }

    int signe(double r) const
    {
        double v = en(r).valeur;
        return (v > 0) - (v < 0);
    }

    // Descartes' rule on the cash flows: at most this many rates above -1.
    int racines_au_plus() const
    {
        if (n_ < 1 || n_ != std::trunc(n_))
            return 3;
        double flux[] = {pv_ + pmt_ * t_, n_ > 1 ? pmt_ : 0.0, pmt_ * (1 - t_) + fv_};
        int changements = 0, dernier = 0;
        for (double f : flux) {
            int s = (f > 0) - (f < 0);
            if (s != 0 && dernier != 0 && s != dernier)
                ++changements;
            if (s != 0)
                dernier = s;
        }
        return changements;
    }

    // Newton on value / (c Q), that is on the payment that rate r asks for
    // minus pmt: nearly straight in r, so a few steps reach the root from
    // far away without overshooting.
    std::optional<double> newton(double r) const
    {
        for (int i = 0; i < 60; ++i) {
            Point p = en(r);
            if (p.valeur == 0)
                return r;
            double suivant = r - p.valeur / (p.pente - p.valeur * p.pente_log);
            if (!std::isfinite(suivant))
                return std::nullopt;
            if (suivant <= -1)
                suivant = (r - 1) / 2;  // halfway to -1, inside the domain
            // Convergence is quadratic: after a step this small the error is far smaller still.
            if (std::fabs(suivant - r) <= 1e-13 * std::fabs(suivant) || std::fabs(suivant - r) < 1e-300)
                return equilibre(suivant) ? std::optional(suivant) : std::nullopt;
            r = suivant;
        }
        return std::nullopt;
    }

    double dans_encadrement(double a, double b) const
    {
        return racine_encadree(
            [this](double r) {
                Point p = en(r);
                return Pente{p.valeur, p.pente};
            },
            a, b);
    }

    // The sign change nearest the guess, looked for outwards on both sides.
    std::optional<double> racine_la_plus_proche(double guess) const
    {
        int s0 = signe(guess);
        if (s0 == 0)
            return guess;
        std::optional<std::pair<double, double>> haut, bas;
        double pas = 1e-3 * std::max(1.0, std::fabs(guess));
        for (double avant = guess, r = guess + pas; r < 1e300; avant = r, pas *= 2, r = guess + pas)
            if (signe(r) != s0) {
                haut = {avant, r};
                break;
            }
        pas = 1e-3 * std::max(1.0, std::fabs(guess));
        for (double avant = guess, r = guess - pas; avant + 1 > 1e-300; avant = r, pas *= 2) {
            r = guess - pas > -1 ? guess - pas : (avant - 1) / 2;
            if (signe(r) != s0) {
                bas = {r, avant};
                break;
            }
        }
        std::optional<double> r_haut, r_bas;
        if (haut)
            r_haut = dans_encadrement(haut->first, haut->second);
        if (bas)
            r_bas = dans_encadrement(bas->first, bas->second);
        if (r_haut && (!r_bas || *r_haut - guess < guess - *r_bas))
            return r_haut;
        if (r_bas)
            return r_bas;
        return std::nullopt;
    }

private:
    double n_, pmt_, pv_, fv_, t_;
};

}  // namespace

std::optional<double> pmt(double rate, double nper, double pv, double fv, int type)
{
    if (!tous_finis({rate, nper, pv, fv}))
        return std::nullopt;
    if (rate == 0)
        return fini(-(pv + fv) / nper);
    double debut = 1 + rate * echeance_type(type);
    if (rate <= -1) {
        // No logarithm here; a whole number of periods still has a value.
        if (nper != std::trunc(nper))
            return std::nullopt;
        double g = std::pow(1 + rate, nper);
        return fini(-(pv * g + fv) * rate / (debut * (g - 1)));
    }
    // With g = (1+rate)^nper = e^x: -(pv g + fv) rate / (debut (g - 1)), divided
    // through by g where g is large, so that nothing overflows.
    double x = nper * std::log1p(rate);
    double y = x > 0 ? -x : x;
    double em = std::expm1(y);
    double e = fv == 0 && x > 0 ? 0 : (y > -0.5 ? 1 + em : std::exp(y));  // e^y; 1 + em loses nothing there
    if (x > 0)
        return fini(-std::fma(fv, e, pv) * rate / (debut * -em));
    return fini(-std::fma(pv, e, fv) * rate / (debut * em));
}

std::optional<double> nper(double rate, double pmt, double pv, double fv, int type)
{
    if (!tous_finis({rate, pmt, pv, fv}))
        return std::nullopt;
    if (rate == 0)
        return fini(-(pv + fv) / pmt);
    if (rate <= -1)
        return std::nullopt;
    // ln(num / den) / ln(1 + rate), every term summed exactly; near 1 the
    // quotient goes through log1p of num - den = -rate (pv + fv).
    double debut = rate * echeance_type(type);
    double num = somme_produits({{pmt, 1}, {pmt, debut}, {fv, -rate}});
    double den = somme_produits({{pmt, 1}, {pmt, debut}, {pv, rate}});
    if (den == 0 || !(num / den > 0))
        return std::nullopt;
    double ecart = -somme_produits({{pv, rate}, {fv, rate}}) / den;
    double logarithme = std::fabs(ecart) < 0.5 ? std::log1p(ecart) : std::log(num / den);
    return fini(logarithme / std::log1p(rate));
}

std::optional<double> rate(double nper, double pmt, double pv, double fv, int type, double guess)
{
    if (!tous_finis({nper, pmt, pv, fv}) || nper == 0 || (pmt == 0 && pv == 0 && fv == 0))
        return std::nullopt;
    if (!(guess > -1) || !std::isfinite(guess))
        guess = 0.1;
    SoldePret equation(nper, pmt, pv, fv, type);
    auto trouve = equation.newton(guess);
    if (trouve && equation.racines_au_plus() <= 1)
        return fini(*trouve);
    auto proche = equation.racine_la_plus_proche(guess);
    if (trouve && (!proche || std::fabs(*trouve - guess) < std::fabs(*proche - guess)))
        proche = trouve;
    if (!proche || !equation.equilibre(*proche))
        return std::nullopt;
    return fini(*proche);
}

std::optional<double> calcul_echeance(Formule formule, double montant, double taux, std::int16_t n, int unite)
{
    double periodes = n;
    double u = unite;
    switch (formule) {
    case Formule::interets_simples: return fini((periodes / u * (montant * taux) + montant) / periodes);
    case Formule::interets_composes: {
        double annees = periodes / u;
        double capital =
            taux > -1 ? std::exp(annees * std::log1p(taux)) * montant : std::pow(1 + taux, annees) * montant;
        if (!std::isfinite(capital))
            return std::nullopt;
        return pmt(taux / u, periodes, -capital, 0, 1);
    }
    case Formule::interets_constants: return pmt(taux / u, periodes, -montant, 0, 1);
    }
    return std::nullopt;
}

}  // namespace calc
