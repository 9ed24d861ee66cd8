#!/usr/bin/env python3
"""Independent reference for tests/test_echeancier.cpp: loan schedules and TAEG in exact arithmetic.

Amounts are Fractions of a cent, rates the decimal that Python prints for the double (its shortest
round-trip form); the instalment comes from the exact annuity formula, the TAEG from a bisection in
60-digit decimals. Run it to print the rows of the tables pasted into the test.
"""

import random
from decimal import Decimal, getcontext
from fractions import Fraction

getcontext().prec = 60


def decimal_exact(x):
    return Fraction(Decimal(repr(float(x))))


def arrondi(x):
    """Nearest whole number, halves away from zero."""
    y = (abs(x) * 2 + 1) // 2
    return y if x >= 0 else -y


def centimes(euros):
    return arrondi(decimal_exact(euros) * 100)


def echeancier(capital, taux, n, p=12, constant=False, debut=False, taux_ass=0, ass_crd=False):
    """Lines (echeance, interets, capital_amorti, assurance, capital_restant_du), all in cents."""
    c = centimes(capital)
    r = decimal_exact(taux) / p
    ta = decimal_exact(taux_ass) / p
    if constant or r == 0:
        part = arrondi(Fraction(c, n))
    else:
        annuite = c * r / (1 - (1 + r) ** -n)
        part = arrondi(annuite / (1 + r) if debut else annuite)
    lignes, reste = [], c
    for k in range(1, n + 1):
        interets = 0 if (debut and k == 1) else arrondi(reste * r)
        amorti = part if constant else part - interets
        # Never more than what remains, never a rise of the capital; the last line repays the rest.
        amorti = reste if k == n else min(max(amorti, 0), reste)
        assurance = arrondi((reste if ass_crd else c) * ta)
        reste -= amorti
        lignes.append((interets + amorti, interets, amorti, assurance, reste))
    return lignes


def taux_actuariel(flux):
    """X with sum(m (1+X)^-t) = 0."""
    def valeur(x):
        ln = (1 + x).ln()
        return sum(Decimal(m.numerator) / m.denominator * (-(Decimal(t.numerator) / t.denominator) * ln).exp()
                   for t, m in flux)
    return racine(valeur)


def racine(valeur):
    """The rate where valeur changes sign, by bisection between -99 % and 1 000 000 %."""
    bas, haut = Decimal("-0.99"), Decimal("10000")
    signe_bas = valeur(bas) > 0
    assert (valeur(haut) > 0) != signe_bas
    while haut - bas > Decimal("1e-40"):
        milieu = (bas + haut) / 2
        if (valeur(milieu) > 0) == signe_bas:
            bas = milieu
        else:
            haut = milieu
    return bas


def taeg(lignes, capital, p, debut=False, frais=0, assurance=True):
    flux = [(Fraction(0), Fraction(centimes(capital) - centimes(frais)))]
    for k, ligne in enumerate(lignes, 1):
        flux.append((Fraction(k - 1 if debut else k, p), -Fraction(ligne[0] + (ligne[3] if assurance else 0))))
    return taux_actuariel(flux)


def euros(cents):
    signe = "-" if cents < 0 else ""
    return f"{signe}{abs(cents) // 100}.{abs(cents) % 100:02d}"


def ligne_cpp(l):
    return "{" + ", ".join(euros(v) for v in l) + "}"


def prets_aleatoires(graine=20250704, nombre=8):
    alea = random.Random(graine)
    prets = []
    for i in range(nombre):
        p = [12, 4, 1, 2, 12, 12, 4, 12][i]
        n = alea.randint(1, {12: 360, 4: 100, 2: 40, 1: 25}[p])
        prets.append(dict(
            capital=alea.randint(10_000, 100_000_000) / 100,
            taux=alea.randint(1, 1500) / 10_000 if i != 3 else -alea.randint(1, 500) / 10_000,
            n=n, p=p, constant=i % 2 == 1, debut=i in (2, 5, 7),
            taux_ass=alea.choice([0.001, 0.0025, 0.0036, 0.00413]) if i != 3 else 0,
            ass_crd=i % 4 >= 2, frais=alea.randint(0, 300_000) / 100))
    return prets


def main():
    print("// Published loan, 200 000 at 3 % over 300 months, insurance 0.30 % of the capital:")
    lignes = echeancier(200000, 0.03, 300, taux_ass=0.003)
    print("//  first", ligne_cpp(lignes[0]), "last", ligne_cpp(lignes[-1]))
    print("//  interest", euros(sum(l[1] for l in lignes)))
    print("//  TAEG without insurance", taeg(lignes, 200000, 12, assurance=False))
    print("//  TAEG with insurance", taeg(lignes, 200000, 12))
    print("//  due at the start of each month, without insurance:")
    lignes = echeancier(200000, 0.03, 300, debut=True)
    print("//  lines 1, 2", ligne_cpp(lignes[0]), ligne_cpp(lignes[1]), "last", ligne_cpp(lignes[-1]))
    print("//  TAEG", taeg(lignes, 200000, 12, debut=True))
    print("// Directive 98/7/EC, Annex III:")
    print("//  1:", taux_actuariel([(Fraction(0), Fraction(1000)), (Fraction(546, 365), Fraction(-1200))]))
    print("//  2:", taux_actuariel([(Fraction(0), Fraction(950)), (Fraction(546, 365), Fraction(-1200))]))
    print("//  3:", taux_actuariel([(Fraction(0), Fraction(1000)), (Fraction(1), Fraction(-600)),
                                     (Fraction(2), Fraction(-600))]))
    print("// Ten million over 480 months at 3.45 %, then random loans:")
    gros = dict(capital=10_000_000, taux=0.0345, n=480, p=12, constant=False, debut=False, taux_ass=0,
                ass_crd=False, frais=0)
    for pret in [gros] + prets_aleatoires():
        lignes = echeancier(pret["capital"], pret["taux"], pret["n"], pret["p"], pret["constant"], pret["debut"],
                            pret["taux_ass"], pret["ass_crd"])
        t = taeg(lignes, pret["capital"], pret["p"], pret["debut"], pret["frais"])
        print("        {{{capital!r}, {taux!r}, {n}, {p}, {c}, {d}, {taux_ass!r}, {a}, {frais!r},".format(
            **pret, c="constant" if pret["constant"] else "annuite", d="true" if pret["debut"] else "false",
            a="crd" if pret["ass_crd"] else "initial"))
        print("         " + ligne_cpp(lignes[0]) + ", " + ligne_cpp(lignes[-1]) + ",")
        print(f"         {euros(sum(l[1] for l in lignes))}, {euros(sum(l[3] for l in lignes))}, {float(t)!r}}},")


if __name__ == "__main__":
    main()
