#!/usr/bin/env python3
"""Independent reference for the offers' figures: reads dossier files (.tarvio, JSON) and prints every figure.

Same house rules as echeancier.py: amounts are Fractions of a cent rounded half away from zero where a
line is written, rates are the decimal written in the file, the TAEG is a bisection in 60-digit decimals.
Usage: offres.py dossier.tarvio [...]
"""

import json
import sys
from decimal import Decimal
from fractions import Fraction

from echeancier import arrondi, centimes, decimal_exact, racine  # also sets 60-digit decimals


def choix(d, cle, permis, defaut):
    v = d.get(cle, defaut)
    if v not in permis:
        raise ValueError(f"{cle} : valeur inconnue {v!r}")
    return v


def lire_pret(d):
    p = choix(d, "periodicite", (12, 4, 1), 12)
    pret = dict(c=centimes(d["montant"]), taux=decimal_exact(d["taux"]), n=int(d["nombre_echeances"]), p=p,
                constant=choix(d, "amortissement", ("echeances_constantes", "capital_constant"),
                               "echeances_constantes") == "capital_constant",
                debut=choix(d, "echeances", ("fin_de_periode", "debut_de_periode"),
                            "fin_de_periode") == "debut_de_periode",
                assurances=[])
    if pret["n"] < 1:
        raise ValueError("nombre_echeances : au moins 1")
    for a in d.get("assurance", []):
        if "mensualite" in a:
            # A monthly premium is paid once per month the line covers.
            pret["assurances"].append(("mensuelle", (12 // p) * centimes(a["mensualite"])))
        else:
            quotite = decimal_exact(a.get("quotite", 100))
            if not 1 <= quotite <= 100:
                raise ValueError("quotite : entre 1 et 100")
            base = choix(a, "base", ("capital_initial", "capital_restant_du"), "capital_initial")
            pret["assurances"].append((base, decimal_exact(a["taux"]) / 100 * quotite / 100 / p))
    return pret


def lire_offre(d):
    frais = d.get("frais", {})
    clause = d.get("indemnites", "legales")
    if isinstance(clause, dict):
        clause = decimal_exact(clause["taux"])
    elif clause not in ("legales", "aucune"):
        raise ValueError(f"indemnites : valeur inconnue {clause!r}")
    return dict(nom=d["nom"], credit=choix(d, "credit", ("immobilier", "consommation"), "immobilier"),
                prets=[lire_pret(p) for p in d["prets"]],
                **{k: centimes(frais.get(k, 0)) for k in ("dossier", "courtage", "garantie", "garantie_restituee")},
                clause=clause, annonce=d.get("annonce", {}))


def echeancier(pret):
    """Lines (echeance, interets, amorti, assurance, capital_restant_du_apres), all in cents."""
    c, n, r = pret["c"], pret["n"], pret["taux"] / 100 / pret["p"]
    if pret["constant"] or r == 0:
        part = arrondi(Fraction(c, n))
    else:
        annuite = c * r / (1 - (1 + r) ** -n)
        part = arrondi(annuite / (1 + r) if pret["debut"] else annuite)
    lignes, reste = [], c
    for k in range(1, n + 1):
        interets = 0 if (pret["debut"] and k == 1) else arrondi(reste * r)
        amorti = part if pret["constant"] else part - interets
        amorti = reste if k == n else min(max(amorti, 0), reste)
        assurance = sum(t if base == "mensuelle" else arrondi(t * (c if base == "capital_initial" else reste))
                        for base, t in pret["assurances"])
        reste -= amorti
        lignes.append((interets + amorti, interets, amorti, assurance, reste))
    return lignes


def taux_actuariel(flux):
    """X with sum(m (1+X)^-(k/p)) = 0 over flows (k, p, m)."""
    def valeur(x):
        ln = (1 + x).ln()
        pas = {p: (-ln / p).exp() for p in {p for _, p, _ in flux}}
        return sum(Decimal(m) * pas[p] ** k for k, p, m in flux)
    return racine(valeur)


def taeg(offre, tableaux, assurance=True):
    prete = sum(p["c"] for p in offre["prets"])
    flux = [(0, 1, prete - offre["dossier"] - offre["courtage"] - offre["garantie"])]
    for pret, lignes in zip(offre["prets"], tableaux):
        for k, l in enumerate(lignes, 1):
            flux.append((k - 1 if pret["debut"] else k, pret["p"], -(l[0] + (l[3] if assurance else 0))))
    return taux_actuariel(flux)


def endettement(offre, tableaux, situation):
    """Largest month's outlay plus other charges over income; None without an income."""
    revenu = centimes(situation.get("revenu_mensuel", 0))
    if revenu <= 0:
        return None
    mois = {}
    for pret, lignes in zip(offre["prets"], tableaux):
        m = 12 // pret["p"]
        # The last line only repays what rounding left over: it would distort the largest month.
        gardees = lignes if len(lignes) == 1 else lignes[:-1]
        for j, l in enumerate(gardees):
            for i in range(j * m, (j + 1) * m):
                mois[i] = mois.get(i, 0) + Fraction(l[0] + l[3], m)
    return (max(mois.values()) + centimes(situation.get("charges_mensuelles", 0))) / revenu


def indemnite(offre, pret, lignes, k):
    """Penalty for repaying the whole capital still owed after the first k lines."""
    capital = lignes[k - 1][4] if k else pret["c"]
    if capital == 0 or offre["clause"] == "aucune":
        return 0
    if offre["credit"] == "immobilier":
        legal = min(arrondi(capital * pret["taux"] / 100 / 2), arrondi(capital * Fraction(3, 100)))
    elif capital <= 1_000_000:
        legal = 0
    else:
        reste_mois = (pret["n"] - k) * 12 // pret["p"]
        legal = arrondi(capital * (Fraction(1, 100) if reste_mois > 12 else Fraction(1, 200)))
        legal = min(legal, sum(l[1] for l in lignes[k:]))
    if offre["clause"] == "legales":
        return legal
    return min(arrondi(offre["clause"] / 100 * capital), legal)


def cout_a(offre, tableaux, annees):
    """(cost, penalties, capital owed per loan) when everything is repaid after that many years."""
    cout = offre["dossier"] + offre["courtage"] + offre["garantie"] - offre["garantie_restituee"]
    indemnites, restes = 0, []
    for pret, lignes in zip(offre["prets"], tableaux):
        k = min(annees * pret["p"], pret["n"])
        cout += sum(l[1] + l[3] for l in lignes[:k])
        indemnites += indemnite(offre, pret, lignes, k)
        restes.append(lignes[k - 1][4])
    return cout + indemnites, indemnites, restes


def nombre_fr(x, decimales=2):
    """x rounded half away from zero, with spaces between thousands and a decimal comma."""
    n = arrondi(Fraction(x) * 10 ** decimales)
    entier, fraction = divmod(abs(n), 10 ** decimales)
    texte = f"{entier:,}".replace(",", " ") + (f",{fraction:0{decimales}d}" if decimales else "")
    return ("-" if n < 0 else "") + texte


def euros(cents):
    return nombre_fr(Fraction(cents, 100)) + " €"


def pour_cent(x):
    return nombre_fr(Fraction(x) * 100) + " %"


def exact(x):
    # The bisection stops within 1e-40: below that a rate is zero.
    return "0" if abs(x) < Decimal("1e-30") else format(x, ".10g")


def ans(h):
    return f"{h} an" + ("s" if h > 1 else "")


def controle_taeg(calcule, annonce):
    if annonce is None:
        return "—"
    ecart = Fraction(calcule) * 100 - decimal_exact(annonce)
    if abs(ecart) < Fraction(1, 10):
        return "conforme"
    ecrit = nombre_fr(abs(ecart))
    unite = "points" if arrondi(abs(ecart) * 100) >= 200 else "point"
    return f"TAEG annoncé trop {'bas' if ecart > 0 else 'haut'} de {ecrit} {unite}"


def controle_echeance(calculee, annonce):
    if annonce is None:
        return "—"
    ecart = abs(centimes(annonce) - calculee)
    return "conforme" if ecart == 0 else f"écart de {euros(ecart)}"


def imprimer_offre(offre, horizon, situation):
    tableaux = [echeancier(p) for p in offre["prets"]]
    echeance = sum(t[0][0] for t in tableaux)
    assurance_1 = sum(t[0][3] for t in tableaux)
    interets = sum(l[1] for t in tableaux for l in t)
    assurance = sum(l[3] for t in tableaux for l in t)
    frais = offre["dossier"] + offre["courtage"] + offre["garantie"]
    avec, sans = taeg(offre, tableaux), taeg(offre, tableaux, assurance=False)
    dette = endettement(offre, tableaux, situation)
    cout_h, indemnites_h, restes_h = cout_a(offre, tableaux, horizon)
    annonce = offre["annonce"]
    print(f"Offre : {offre['nom']} ({offre['credit']}, {len(tableaux)} prêt{'s' if len(tableaux) > 1 else ''})")
    print(f"  Échéance : {euros(echeance)}")
    print(f"  Échéance avec assurance : {euros(echeance + assurance_1)}")
    print(f"  Total des intérêts : {euros(interets)}")
    print(f"  Total de l'assurance : {euros(assurance)}")
    print(f"  Frais : {euros(frais)}")
    print(f"  Coût total du crédit : {euros(interets + assurance + frais)}")
    print(f"  Coût net : {euros(interets + assurance + frais - offre['garantie_restituee'])}")
    print(f"  TAEG : {pour_cent(avec)} (exact {exact(avec)})")
    print(f"  TAEG sans assurance : {pour_cent(sans)} (exact {exact(sans)})")
    print(f"  TAEA : {pour_cent(avec - sans)} (exact {exact(avec - sans)})")
    print(f"  Taux d'endettement : {'—' if dette is None else pour_cent(dette)}")
    print(f"  Coût à {ans(horizon)} : {euros(cout_h)}")
    print(f"  Indemnités à {ans(horizon)} : {euros(indemnites_h)}")
    for i, (pret, t, reste) in enumerate(zip(offre["prets"], tableaux, restes_h), 1):
        k = min(horizon * pret["p"], len(t))
        payees = f"{k} échéance payée" if k == 1 else f"{k} échéances payées"
        print(f"    prêt {i} : {payees}, capital restant dû {euros(reste)}, "
              f"indemnité {euros(indemnite(offre, pret, t, k))}")
    if "taeg" in annonce:
        ecrit = Decimal(repr(float(annonce["taeg"])))
        print(f"  TAEG annoncé : {str(ecrit).replace('.', ',')} % (écart exact {exact(Decimal(avec) * 100 - ecrit)})")
    print(f"  Contrôle du TAEG annoncé : {controle_taeg(avec, annonce.get('taeg'))}")
    print(f"  Contrôle de l'échéance annoncée : {controle_echeance(echeance, annonce.get('echeance'))}")
    fin = max(-(-p["n"] // p["p"]) for p in offre["prets"])
    print("  Coût cumulé :")
    for an in range(1, fin + 1):
        cout, ind, _ = cout_a(offre, tableaux, an)
        print(f"    {ans(an)} : {euros(cout)} (indemnités {euros(ind)})")


def imprimer_dossier(chemin):
    with open(chemin, encoding="utf-8") as f:
        d = json.load(f)
    if d.get("format") != "tarvio-dossier" or d.get("version") != 1:
        raise ValueError(f"{chemin} : pas un dossier Tarvio version 1")
    horizon = d.get("horizon_annees", 8)
    if not (isinstance(horizon, int) and 1 <= horizon <= 40):
        raise ValueError("horizon_annees : entre 1 et 40")
    situation = d.get("situation", {})
    print(f"== {chemin.rsplit('/', 1)[-1]} (horizon {ans(horizon)}) ==")
    for o in d["offres"]:
        imprimer_offre(lire_offre(o), horizon, situation)
    print()


if __name__ == "__main__":
    for chemin in sys.argv[1:]:
        imprimer_dossier(chemin)
