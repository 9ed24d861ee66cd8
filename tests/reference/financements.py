#!/usr/bin/env python3
"""Independent reference for whole financings: steps, deferral, the PTZ, smoothing of an offer, and the
borrowing capacity. Reads dossiers (.tarvio, version 3) and capacity files (capacite-*.json), prints
every figure.

Same house rules as offres.py: amounts in cents, rounded half away from zero where a line is written;
rates are the decimal written in the file. Dossiers print first, then capacities, each in name order.
Regenerate the expected output:
  cd tests/reference && python3 financements.py financements/*.tarvio financements/capacite-*.json \
      > financements/attendu.txt
"""

import json
import os
import sys
from fractions import Fraction

from echeancier import arrondi, centimes, decimal_exact
from evenements import sans_nuls, texte_ligne
from offres import choix, echeancier, endettement, euros, exact, lire_offre, lire_pret, nombre_fr, pour_cent, taeg

# Offers issued from 1 April 2025: quota by income bracket 1 to 4, then (deferral, repayment) in years.
QUOTITES_PTZ = {"collectif_neuf": (50, 40, 40, 20), "individuel_neuf": (30, 20, 20, 10)}
DUREES_PTZ = {1: (10, 15), 2: (8, 12), 3: (2, 13), 4: (0, 10)}


def entier(d, cle, bas, haut, ou):
    v = d.get(cle)
    if not (isinstance(v, int) and not isinstance(v, bool) and bas <= v <= haut):
        raise ValueError(f"{ou} : « {cle} » entier de {bas} à {haut}")
    return v


# --- Reading ---

def regles_ptz(d, ou):
    """What the PTZ's rules propose: (amount in cents, number of lines, deferral lines)."""
    d = sans_nuls(d)
    tranche = entier(d, "tranche", 1, 4, ou)
    logement = choix(d, "logement", tuple(QUOTITES_PTZ), None)
    cout, plafond = centimes(d["cout_operation"]), centimes(d["plafond"])
    if cout <= 0 or plafond <= 0:
        raise ValueError(f"{ou} : coût et plafond au-dessus de 0")
    differe, remboursement = DUREES_PTZ[tranche]
    montant = arrondi(Fraction(QUOTITES_PTZ[logement][tranche - 1], 100) * min(cout, plafond))
    return montant, 12 * (differe + remboursement), 12 * differe


def lire_pret_v3(brut, ou):
    """A loan with its name, deferral (lines, total?), steps [(lines, rate or None, instalment or None)]."""
    d = sans_nuls(brut)
    if d.get("evenements"):
        raise ValueError(f"{ou} : des événements, que cette référence ne suit pas")
    ptz = "ptz" in d
    if ptz:
        montant, n, differe = regles_ptz(d["ptz"], ou)
        d = {"taux": 0, "nombre_echeances": n, "differe": {"nombre_echeances": differe, "type": "total"}, **d}
    if ptz and "montant" not in d:
        # The rules' amount is in cents already: read a placeholder, then set it.
        pret = lire_pret(dict(d, montant=1))
        pret["c"] = montant
    else:
        pret = lire_pret(d)
    if ptz and pret["p"] != 12:
        raise ValueError(f"{ou} : un PTZ est mensuel")
    pret.update(nom=d.get("nom", ""), ptz=ptz, differe=0, total=False, paliers=[])
    n = pret["n"]
    if "differe" in d:
        f = sans_nuls(d["differe"])
        pret["differe"] = entier(f, "nombre_echeances", 0, n - 1, f"{ou}, différé")
        pret["total"] = choix(f, "type", ("partiel", "total"), None) == "total"
    for j, b in enumerate(d.get("paliers", []), 1):
        b = sans_nuls(b)
        m = entier(b, "nombre_echeances", 1, n, f"{ou}, palier {j}")
        taux = decimal_exact(b["taux"]) if "taux" in b else None
        echeance = centimes(b["echeance"]) if "echeance" in b else None
        if echeance is not None and echeance <= 0:
            raise ValueError(f"{ou}, palier {j} : échéance au-dessus de 0")
        pret["paliers"].append((m, taux, echeance))
    if pret["paliers"] and sum(m for m, _, _ in pret["paliers"]) != n - pret["differe"]:
        raise ValueError(f"{ou} : les paliers ne couvrent pas les échéances après le différé")
    if (pret["differe"] or pret["paliers"]) and (pret["constant"] or pret["debut"]):
        raise ValueError(f"{ou} : différé ou paliers sur un prêt à capital constant ou payé d'avance")
    return pret


def lire_offre_v3(o, version):
    nom = o.get("nom")
    bruts = o["prets"] if version >= 3 else [
        {k: v for k, v in p.items() if k not in ("nom", "differe", "paliers", "ptz")} for p in o["prets"]]
    prets = [lire_pret_v3(b, f"Offre « {nom} », prêt {i}") for i, b in enumerate(bruts, 1)]
    # lire_offre reads the fees and the clause; the loans are read above.
    offre = lire_offre(dict(o, prets=[]))
    offre["prets"] = prets
    lissage = sans_nuls(o).get("lissage") if version >= 3 else None
    offre["lissage"] = None if lissage is None else sans_nuls(lissage).get("avec_assurance", False) is True
    if offre["lissage"] is not None and any(p["p"] != 12 for p in prets):
        raise ValueError(f"Offre « {nom} » : un lissage veut des prêts mensuels")
    if offre["lissage"] is not None and (prets[0]["constant"] or prets[0]["debut"]):
        raise ValueError(f"Offre « {nom} » : prêt principal lissé à capital constant ou payé d'avance")
    if sum(p["ptz"] for p in prets) > 1:
        raise ValueError(f"Offre « {nom} » : un seul PTZ par offre")
    return offre


# --- Schedules ---

def annuite(capital, r, m):
    """Instalment in arrears repaying capital over m lines at r a line, to the cent."""
    if r == 0:
        return arrondi(Fraction(capital, m))
    return arrondi(capital * r / (1 - (1 + r) ** -m))


def assurance_ligne(pret, reste):
    return sum(t if base == "mensuelle" else arrondi(t * (pret["c"] if base == "capital_initial" else reste))
               for base, t in pret["assurances"])


def lignes_differe(pret):
    """The deferral's lines and the capital owed after them (grown by capitalised interest)."""
    r, reste, lignes = pret["taux"] / 100 / pret["p"], pret["c"], []
    for _ in range(pret["differe"]):
        interets, assurance = arrondi(reste * r), assurance_ligne(pret, reste)
        if pret["total"]:
            reste += interets
            lignes.append((0, interets, -interets, assurance, reste))
        else:
            lignes.append((interets, interets, 0, assurance, reste))
    return lignes, reste


def paliers_de(pret):
    """The steps after the deferral; none given: one step at the loan's rate."""
    return pret["paliers"] or [(pret["n"] - pret["differe"], None, None)]


def tableau(pret):
    """Lines (echeance, interets, amorti, assurance, capital_restant_du_apres) of a loan that is not smoothed."""
    if not pret["differe"] and not pret["paliers"]:
        return echeancier(pret)
    lignes, reste = lignes_differe(pret)
    n, k = pret["n"], pret["differe"]
    for numero, (m, taux, echeance) in enumerate(paliers_de(pret), 1):
        r = (pret["taux"] if taux is None else taux) / 100 / pret["p"]
        verse = annuite(reste, r, n - k) if echeance is None else echeance
        for _ in range(m):
            k += 1
            interets = arrondi(reste * r)
            if echeance is not None and echeance < interets:
                raise ValueError(f"palier {numero}, ligne {k} : l'échéance ne couvre pas les intérêts")
            amorti = reste if k == n else min(max(verse - interets, 0), reste)
            assurance = assurance_ligne(pret, reste)
            reste -= amorti
            lignes.append((interets + amorti, interets, amorti, assurance, reste))
    return lignes


def lisser(offre, autres):
    """(X, main loan's lines): each month after its deferral the main loan pays X less what the others cost."""
    pret, avec = offre["prets"][0], offre["lissage"]
    r, n, d = pret["taux"] / 100 / pret["p"], pret["n"], pret["differe"]
    differe, depart = lignes_differe(pret)

    def cout_autres(m):
        return sum(t[m - 1][0] + (t[m - 1][3] if avec else 0) for t in autres if m <= len(t))

    def derouler(x, solder):
        reste, lignes = depart, list(differe)
        for k in range(d + 1, n + 1):
            interets, assurance = arrondi(reste * r), assurance_ligne(pret, reste)
            verse = x - cout_autres(k) - (assurance if avec else 0)
            if solder and verse < interets:
                raise ValueError(f"lissage impossible : ligne {k}, versement sous les intérêts")
            amorti = reste if (solder and k == n) else verse - interets
            reste -= amorti
            lignes.append((interets + amorti, interets, amorti, assurance, reste))
        return lignes, reste

    # What is owed at the end falls by at least a cent when X rises by one: bracket, then bisect.
    bas, haut = -1, 1
    while derouler(bas, False)[1] <= 0:
        bas *= 2
    while derouler(haut, False)[1] > 0:
        haut *= 2
    while haut - bas > 1:
        milieu = (bas + haut) // 2
        if derouler(milieu, False)[1] > 0:
            bas = milieu
        else:
            haut = milieu
    x = bas if derouler(bas, False)[1] <= -derouler(haut, False)[1] else haut
    return x, derouler(x, True)[0]


def verifier(pret, lignes):
    """Invariants: what is amortised is what was lent plus the capitalised interest; ends at 0."""
    assert len(lignes) == pret["n"]
    capitalises = -sum(l[2] for l in lignes[:pret["differe"]])
    assert sum(l[2] for l in lignes[pret["differe"]:]) == pret["c"] + capitalises
    assert capitalises == (sum(l[1] for l in lignes[:pret["differe"]]) if pret["total"] else 0)
    assert lignes[-1][4] == 0 and all(l[0] == l[1] + l[2] for l in lignes)
    assert all(l[4] >= 0 for l in lignes) and all(l[2] >= 0 for l in lignes[pret["differe"]:])


def tableaux_offre(offre):
    """(schedules, smoothed payment X or None)."""
    prets = offre["prets"]
    if offre["lissage"] is None:
        tableaux, x = [tableau(p) for p in prets], None
    else:
        autres = [tableau(p) for p in prets[1:]]
        x, principal = lisser(offre, autres)
        tableaux = [principal] + autres
    for p, t in zip(prets, tableaux):
        verifier(p, t)
        if not p["differe"] and not p["paliers"] and x is None:
            assert t == echeancier(p)
    return tableaux, x


# --- Printing ---

def en_mois(pret, lignes):
    return Fraction(lignes * 12, pret["p"])


def alertes_ptz(offre):
    """(PTZ's deferral longer than the longest other loan, PTZ above the other loans of 24 months or more)."""
    ptz = next(p for p in offre["prets"] if p["ptz"])
    autres = [p for p in offre["prets"] if not p["ptz"]]
    plus_long = max((en_mois(p, p["n"]) for p in autres), default=0)
    deux_ans = sum(p["c"] for p in autres if en_mois(p, p["n"]) >= 24)
    return en_mois(ptz, ptz["differe"]) > plus_long, ptz["c"] > deux_ans


def lignes_montrees(pret, lissee):
    """First line, the deferral's last and the next, each step's first and last, the last line."""
    n, d = pret["n"], pret["differe"]
    vues = {1, n} | ({d, d + 1} if d else set())
    if pret["paliers"] and not lissee:
        k = d
        for m, _, _ in pret["paliers"]:
            vues |= {k + 1, k + m}
            k += m
    return sorted(vues)


def oui(b):
    return "oui" if b else "non"


def imprimer_offre(offre, situation):
    tableaux, x = tableaux_offre(offre)
    prets = offre["prets"]
    echeance = sum(t[0][0] for t in tableaux)
    assurance_1 = sum(t[0][3] for t in tableaux)
    interets = sum(l[1] for t in tableaux for l in t)
    assurance = sum(l[3] for t in tableaux for l in t)
    frais = offre["dossier"] + offre["courtage"] + offre["garantie"]
    avec, sans = taeg(offre, tableaux), taeg(offre, tableaux, assurance=False)
    dette = endettement(offre, tableaux, situation)
    print(f"Offre : {offre['nom']}")
    print(f"  Échéance : {euros(echeance)}")
    print(f"  Échéance avec assurance : {euros(echeance + assurance_1)}")
    print(f"  Total des intérêts : {euros(interets)}")
    print(f"  Total de l'assurance : {euros(assurance)}")
    print(f"  Coût total du crédit : {euros(interets + assurance + frais)}")
    print(f"  TAEG : {pour_cent(avec)} (exact {exact(avec)})")
    print(f"  TAEA : {pour_cent(avec - sans)} (exact {exact(avec - sans)})")
    print(f"  Taux d'endettement : {'—' if dette is None else pour_cent(dette)}")
    if x is not None:
        print(f"  Versement lissé : {euros(x)}")
    if any(p["ptz"] for p in prets):
        differe, montant = alertes_ptz(offre)
        print(f"  alerte différé PTZ : {oui(differe)}")
        print(f"  alerte montant PTZ : {oui(montant)}")
    for i, (pret, t) in enumerate(zip(prets, tableaux), 1):
        print(f"  prêt {i}, montant : {euros(pret['c'])}")
        print(f"  prêt {i}, échéances : {len(t)}")
        for k in lignes_montrees(pret, x is not None and i == 1):
            print(f"  prêt {i}, ligne {k} : {texte_ligne(t[k - 1])}")
    # Month by month only when every loan is monthly: a line is then a month.
    if all(p["p"] == 12 for p in prets):
        fin = max(len(t) for t in tableaux)
        mois = {1, 2, fin} | {p["differe"] + 1 for p in prets if p["differe"]} | {p["n"] for p in prets}
        for m in sorted(k for k in mois if k <= fin):
            print(f"  mois {m} : {euros(sum(t[m - 1][0] + t[m - 1][3] for t in tableaux if m <= len(t)))}")


def imprimer_dossier(chemin):
    with open(chemin, encoding="utf-8") as f:
        d = json.load(f)
    if d.get("format") != "tarvio-dossier" or d.get("version") not in (1, 2, 3):
        raise ValueError(f"{chemin} : pas un dossier Tarvio version 1 à 3")
    situation = sans_nuls(d.get("situation") or {})
    print(f"== {os.path.basename(chemin)} ==")
    for o in d["offres"]:
        imprimer_offre(lire_offre_v3(o, d["version"]), situation)
    print()


# --- Capacity ---

def echeance_capacite(capital, r, n, ta):
    """Constant instalment in arrears plus the insurance on the capital, in cents."""
    return annuite(capital, r, n) + arrondi(capital * ta)


def imprimer_capacite(chemin):
    with open(chemin, encoding="utf-8") as f:
        c = sans_nuls(json.load(f))
    nom = os.path.basename(chemin)
    revenu, charges = centimes(c["revenu_mensuel"]), centimes(c.get("charges_mensuelles", 0))
    if revenu <= 0 or charges < 0:
        raise ValueError(f"{nom} : revenu au-dessus de 0, charges positives")
    n = entier(c, "nombre_echeances", 1, 1200, nom)
    r, ta = decimal_exact(c["taux"]) / 1200, decimal_exact(c.get("taux_assurance", 0)) / 1200
    plafond = decimal_exact(c["endettement"]) / 100 * revenu

    def tient(capital, m):
        return echeance_capacite(capital, r, m, ta) + charges <= plafond

    # Largest whole euros: bracket, then bisect (the instalment grows with the capital).
    bas, haut = 0, 1
    while tient(100 * haut, n):
        bas, haut = haut, haut * 2
    while haut - bas > 1:
        milieu = (bas + haut) // 2
        if tient(100 * milieu, n):
            bas = milieu
        else:
            haut = milieu
    echeance = echeance_capacite(100 * bas, r, n, ta)
    print(f"== {nom} ==")
    print(f"Capacité : {nom}")
    print(f"  Montant maximal : {nombre_fr(bas, 0)} €")
    print(f"  Échéance avec assurance : {euros(echeance)}")
    print(f"  Reste à vivre : {euros(revenu - echeance - charges)}")
    if "montant" in c:
        montant = centimes(c["montant"])
        duree = next((m for m in range(1, 1201) if tient(montant, m)), None)
        print(f"  Durée nécessaire : {'—' if duree is None else f'{duree} mois'}")
    print()


if __name__ == "__main__":
    noms = sys.argv[1:]
    capacites = sorted((c for c in noms if os.path.basename(c).startswith("capacite-")), key=os.path.basename)
    for chemin in sorted((c for c in noms if c not in capacites), key=os.path.basename):
        imprimer_dossier(chemin)
    for chemin in capacites:
        imprimer_capacite(chemin)
