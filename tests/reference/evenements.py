#!/usr/bin/env python3
"""Independent reference for a loan's events (early repayment, modulation, insurance switch, rate change),
its dated lines and a buy-back by another bank: reads dossiers (.tarvio, version 1 or 2) and buy-back
files (rachat-*.json) and prints every figure.

Same house rules as offres.py: amounts in cents, rounded half away from zero where a line is written;
rates are the decimal written in the file. Dossiers print first, then buy-backs, each in name order.
Regenerate the expected output:
  cd tests/reference && python3 evenements.py evenements/*.tarvio evenements/rachat-*.json > evenements/attendu.txt
"""

import calendar
import datetime
import json
import os
import sys
from fractions import Fraction

from echeancier import arrondi, centimes, decimal_exact
from offres import ans, choix, cout_a, echeancier, euros, lire_offre, lire_pret

TYPES = ("remboursement_partiel", "remboursement_total", "modulation", "assurance", "taux")
REMBOURSEMENTS = TYPES[:2]


# --- Dates ---

def date_ligne(premiere, n, p):
    """Line n's date: (n - 1) periods after the first, on the first's day or the month's last."""
    mois = premiere.month - 1 + (n - 1) * 12 // p
    an, mois = premiere.year + mois // 12, mois % 12 + 1
    return datetime.date(an, mois, min(premiere.day, calendar.monthrange(an, mois)[1]))


def ligne_au(premiere, p, jour):
    """The last line on or before that day."""
    if jour < premiere:
        raise ValueError(f"date {jour} avant la première échéance")
    n = 1
    while date_ligne(premiere, n + 1, p) <= jour:
        n += 1
    return n


# --- Reading ---

def sans_nuls(d):
    return {k: v for k, v in d.items() if v is not None}


def lire_assurances(entrees, p):
    # lire_pret knows the entries: a one-line loan lends its reading.
    return lire_pret({"montant": 1, "taux": 0, "nombre_echeances": 1, "periodicite": p,
                      "assurance": entrees})["assurances"]


def lire_evenement(d, pret, numero):
    d = sans_nuls(d)
    genre = choix(d, "type", TYPES, None)
    if "apres_echeance" in d and "date" in d:
        raise ValueError(f"événement {numero} : « apres_echeance » ou « date », pas les deux")
    if "date" in d:
        if pret["premiere"] is None:
            raise ValueError(f"événement {numero} : une date sur un prêt sans date")
        k = ligne_au(pret["premiere"], pret["p"], datetime.date.fromisoformat(d["date"]))
    else:
        k = d["apres_echeance"]
    if not (isinstance(k, int) and k >= 1):
        raise ValueError(f"événement {numero} : « apres_echeance » au moins 1")
    evt = dict(numero=numero, type=genre, k=k, exoneration=d.get("exoneration", False) is True)
    if genre == "remboursement_partiel":
        evt.update(montant=centimes(d["montant"]), reduire=choix(d, "reduire", ("duree", "echeance"), "duree"))
        if evt["montant"] <= 0:
            raise ValueError(f"événement {numero} : montant au-dessus de 0")
    elif genre == "modulation":
        evt["facteur"] = 1 + decimal_exact(d["pourcentage"]) / 100
        if evt["facteur"] <= 0:
            raise ValueError(f"événement {numero} : pourcentage au-dessus de -100")
    elif genre == "assurance":
        evt["assurances"] = lire_assurances(d["assurance"], pret["p"])
    elif genre == "taux":
        evt.update(taux=decimal_exact(d["taux"]), frais=centimes(d.get("frais", 0)))
    return evt


def lire_pret_v2(d, pret):
    """Adds the first line's date and the events (sorted by instalment, ties in file order)."""
    d = sans_nuls(d)
    pret["premiere"] = datetime.date.fromisoformat(d["date_premiere_echeance"]) \
        if "date_premiere_echeance" in d else None
    evts = [lire_evenement(e, pret, i) for i, e in enumerate(d.get("evenements", []), 1)]
    vus = set()
    for e in evts:
        if (e["k"], e["type"]) in vus:
            raise ValueError(f"événement {e['numero']} : deux de même genre après l'échéance {e['k']}")
        vus.add((e["k"], e["type"]))
    pret["evenements"] = sorted(evts, key=lambda e: e["k"])
    return pret


def lire_dossier(chemin):
    with open(chemin, encoding="utf-8") as f:
        d = json.load(f)
    if d.get("format") != "tarvio-dossier" or d.get("version") not in (1, 2):
        raise ValueError(f"{chemin} : pas un dossier Tarvio version 1 ou 2")
    offres = []
    for o in d["offres"]:
        offre = lire_offre(o)
        brut = o["prets"] if d["version"] == 2 else [{} for _ in o["prets"]]
        offre["prets"] = [lire_pret_v2(b, p) for b, p in zip(brut, offre["prets"])]
        offres.append(offre)
    return d, offres


# --- A loan through its events ---

def part_de(pret, capital, r, m, debut=False):
    """Instalment (or constant capital share) repaying capital over m lines at r a period."""
    if pret["constant"] or r == 0:
        return arrondi(Fraction(capital, m))
    annuite = capital * r / (1 - (1 + r) ** -m)
    return arrondi(annuite / (1 + r) if debut else annuite)


def etat_initial(pret):
    """The contract before line 1; fin is None once the duration follows the instalment."""
    r = pret["taux"] / 100 / pret["p"]
    return dict(pret=pret, k=0, reste=pret["c"], taux=pret["taux"], fin=pret["n"],
                part=part_de(pret, pret["c"], r, pret["n"], pret["debut"]), assurances=pret["assurances"])


def termine(e):
    return e["k"] == e["fin"] if e["fin"] is not None else e["reste"] == 0


def ligne_suivante(e):
    """Line k + 1 (echeance, interets, amorti, assurance, reste apres), moving the state past it."""
    pret = e["pret"]
    r = e["taux"] / 100 / pret["p"]
    e["k"] += 1
    interets = 0 if (pret["debut"] and e["k"] == 1) else arrondi(e["reste"] * r)
    amorti = e["part"] if pret["constant"] else e["part"] - interets
    amorti = e["reste"] if e["k"] == e["fin"] else min(max(amorti, 0), e["reste"])
    if e["fin"] is None and (amorti == 0 or e["k"] > 12000):
        raise ValueError(f"ligne {e['k']} : l'échéance ne rembourse plus le capital")
    assurance = sum(t if base == "mensuelle" else arrondi(t * (pret["c"] if base == "capital_initial" else e["reste"]))
                    for base, t in e["assurances"])
    e["reste"] -= amorti
    return (interets + amorti, interets, amorti, assurance, e["reste"])


def projeter(e):
    """The rest of the schedule as it stands, from a copy of the state."""
    copie, lignes = dict(e), []
    while not termine(copie):
        lignes.append(ligne_suivante(copie))
    return lignes


def indemnite(offre, e, montant, projection, passes, exoneration=False):
    """Penalty for repaying montant after line k; passes: the loan's earlier repayments (k, amount)."""
    if montant == 0 or exoneration or offre["clause"] == "aucune":
        return 0
    p = e["pret"]["p"]
    if offre["credit"] == "immobilier":
        legal = min(arrondi(montant * e["taux"] / 200), arrondi(e["reste"] * Fraction(3, 100)))
    elif montant + sum(m for j, m in passes if Fraction((e["k"] - j) * 12, p) < 12) <= 1_000_000:
        legal = 0
    else:
        plus_d_un_an = Fraction(len(projection) * 12, p) > 12
        legal = min(arrondi(montant * Fraction(1 if plus_d_un_an else 5, 100 if plus_d_un_an else 1000)),
                    sum(l[1] for l in projection))
    if offre["clause"] == "legales":
        return legal
    return min(arrondi(offre["clause"] / 100 * montant), legal)


def passes(faits):
    return [(f["k"], f["rembourse"]) for f in faits if f["rembourse"]]


def appliquer(offre, e, evt, faits):
    """Applies one event after line k; returns what it repaid, its penalty, fees and warning."""
    if termine(e):
        raise ValueError(f"événement {evt['numero']} : après la fin du prêt")
    pret, projection = e["pret"], projeter(e)
    fin = e["k"] + len(projection)
    fait = dict(numero=evt["numero"], type=evt["type"], k=e["k"], rembourse=0, indemnite=0, frais=0,
                avertissement=False)
    if evt["type"] in REMBOURSEMENTS:
        montant = evt.get("montant", e["reste"])
        if montant > e["reste"]:
            raise ValueError(f"événement {evt['numero']} : plus que le capital restant dû")
        fait["indemnite"] = indemnite(offre, e, montant, projection, passes(faits), evt["exoneration"])
        fait["avertissement"] = montant < e["reste"] and montant * 10 <= pret["c"]
        fait["rembourse"] = montant
        e["reste"] -= montant
        if e["reste"] == 0:
            e["fin"] = e["k"]
        elif evt["reduire"] == "duree":
            e["fin"] = None
        else:
            e["part"], e["fin"] = part_de(pret, e["reste"], e["taux"] / 100 / pret["p"], fin - e["k"]), fin
    elif evt["type"] == "modulation":
        e["part"], e["fin"] = arrondi(e["part"] * evt["facteur"]), None
    elif evt["type"] == "assurance":
        e["assurances"] = evt["assurances"]
    else:
        e["taux"] = evt["taux"]
        e["part"], e["fin"] = part_de(pret, e["reste"], e["taux"] / 100 / pret["p"], fin - e["k"]), fin
        fait["frais"] = evt["frais"]
    return fait


def derouler(offre, pret, evenements, arret=None):
    """(lines, what each event did in applied order, state); with arret, stops after that line's events."""
    e, lignes, faits, a_venir = etat_initial(pret), [], [], list(evenements)
    while True:
        while a_venir and a_venir[0]["k"] == e["k"]:
            faits.append(appliquer(offre, e, a_venir.pop(0), faits))
        if termine(e) or e["k"] == arret:
            break
        lignes.append(ligne_suivante(e))
    if a_venir and arret is None:
        raise ValueError(f"événement {a_venir[0]['numero']} : après la dernière échéance")
    return lignes, faits, e


def indemnite_totale(offre, e, faits):
    """Penalty if all that is owed were repaid now (no exemption)."""
    return 0 if termine(e) else indemnite(offre, e, e["reste"], projeter(e), passes(faits))


def verifier(pret, lignes, faits, e):
    """Invariants: what is amortised and repaid is what was lent, the capital owed never rises, ends at 0."""
    assert sum(l[2] for l in lignes) + sum(f["rembourse"] for f in faits) == pret["c"]
    restes = [pret["c"]] + [l[4] for l in lignes]
    assert all(a >= b >= 0 for a, b in zip(restes, restes[1:])) and e["reste"] == 0
    assert all(l[0] == l[1] + l[2] for l in lignes)
    if not pret["evenements"]:
        assert lignes == echeancier(pret)


def cout_ligne(lignes, j):
    """Interest and insurance of line j (1-based), 0 past the end."""
    return lignes[j - 1][1] + lignes[j - 1][3] if j <= len(lignes) else 0


def rentable(offre, pret, i):
    """First line after which the i-th applied event (rate or insurance) has paid back its fees, or None."""
    sans = derouler(offre, pret, pret["evenements"][:i])[0]
    avec, faits, _ = derouler(offre, pret, pret["evenements"][:i + 1])
    seuil, k, gain = faits[-1]["frais"] + faits[-1]["indemnite"], faits[-1]["k"], 0
    for j in range(k + 1, max(len(sans), len(avec)) + 1):
        gain += cout_ligne(sans, j) - cout_ligne(avec, j)
        if gain >= seuil:
            return j
    return None


def a_horizon(offre, pret, faits, annees):
    """(interest and insurance of the first lines, events' penalties and fees, penalty on what remains)."""
    lignes, faits_h, e = derouler(offre, pret, pret["evenements"], arret=annees * pret["p"])
    assert faits_h == faits[:len(faits_h)]
    return (sum(l[1] + l[3] for l in lignes), sum(f["indemnite"] + f["frais"] for f in faits_h),
            indemnite_totale(offre, e, faits_h))


# --- Printing ---

def jour(d):
    return d.strftime("%d/%m/%Y")


def texte_ligne(l):
    return (f"échéance {euros(l[0])} ; intérêts {euros(l[1])} ; capital amorti {euros(l[2])} ; "
            f"assurance {euros(l[3])} ; capital restant dû {euros(l[4])}")


def imprimer_pret(i, offre, pret, lignes, faits):
    print(f"  prêt {i}, échéances : {len(lignes)}")
    ordre = {f["numero"]: n for n, f in enumerate(faits)}
    for f in sorted(faits, key=lambda f: f["numero"]):
        seuil = rentable(offre, pret, ordre[f["numero"]]) if f["type"] in ("taux", "assurance") else None
        print(f"  prêt {i}, événement {f['numero']} : après l'échéance {f['k']} ; remboursé {euros(f['rembourse'])} ; "
              f"indemnité {euros(f['indemnite'])} ; frais {euros(f['frais'])} ; "
              f"rentable après l'échéance {'—' if seuil is None else seuil}")
    avertis = ", ".join(f"événement {n}" for n in sorted(f["numero"] for f in faits if f["avertissement"]))
    print(f"  prêt {i}, avertissements : {avertis or '—'}")
    vues = {1, len(lignes)} | {j for f in faits for j in (f["k"], f["k"] + 1) if j <= len(lignes)}
    for n in sorted(vues):
        print(f"  prêt {i}, ligne {n} : {texte_ligne(lignes[n - 1])}")
        if pret["premiere"] is not None:
            print(f"  prêt {i}, date de la ligne {n} : {jour(date_ligne(pret['premiere'], n, pret['p']))}")


def imprimer_offre(offre, horizon):
    frais = offre["dossier"] + offre["courtage"] + offre["garantie"]
    contrat = sum(l[1] + l[3] for p in offre["prets"] for l in echeancier(p)) + frais
    runs = [derouler(offre, p, p["evenements"]) for p in offre["prets"]]
    for p, run in zip(offre["prets"], runs):
        verifier(p, *run)
    interets = sum(l[1] for lignes, _, _ in runs for l in lignes)
    assurance = sum(l[3] for lignes, _, _ in runs for l in lignes)
    evenements = sum(f["indemnite"] + f["frais"] for _, faits, _ in runs for f in faits)
    total = interets + assurance + frais + evenements
    avec = any(p["evenements"] for p in offre["prets"])
    horizons = [a_horizon(offre, p, run[1], horizon) for p, run in zip(offre["prets"], runs)]
    cout_h = frais - offre["garantie_restituee"] + sum(sum(h) for h in horizons)
    if not avec:
        assert cout_h == cout_a(offre, [echeancier(p) for p in offre["prets"]], horizon)[0]
    print(f"Offre : {offre['nom']}")
    print(f"  Total des intérêts : {euros(interets)}")
    print(f"  Total de l'assurance : {euros(assurance)}")
    print(f"  Indemnités et frais des événements : {euros(evenements) if avec else '—'}")
    print(f"  Coût total du crédit : {euros(total)}")
    print(f"  Coût net : {euros(total - offre['garantie_restituee'])}")
    print(f"  Gain net des événements : {euros(contrat - total) if avec else '—'}")
    print(f"  Coût à {ans(horizon)} : {euros(cout_h)}")
    print(f"  Indemnités à {ans(horizon)} : {euros(sum(h[2] for h in horizons))}")
    for i, (pret, (lignes, faits, _)) in enumerate(zip(offre["prets"], runs), 1):
        imprimer_pret(i, offre, pret, lignes, faits)


def imprimer_dossier(chemin):
    d, offres = lire_dossier(chemin)
    horizon = d.get("horizon_annees", 8)
    print(f"== {os.path.basename(chemin)} (horizon {ans(horizon)}) ==")
    for offre in offres:
        imprimer_offre(offre, horizon)
    print()


def imprimer_rachat(chemin):
    """Another bank lends what is owed after line k plus the penalty and its fees; kept loan against it."""
    with open(chemin, encoding="utf-8") as f:
        r = json.load(f)
    _, offres = lire_dossier(os.path.join(os.path.dirname(chemin), r["dossier"]))
    offre = offres[r["offre"] - 1]
    pret, k = offre["prets"][r["pret"] - 1], r["apres_echeance"]
    gardees = derouler(offre, pret, pret["evenements"])[0]
    _, faits, e = derouler(offre, pret, pret["evenements"], arret=k)
    if e["k"] != k or termine(e):
        raise ValueError(f"{chemin} : le prêt est fini avant l'échéance {k}")
    penalite, frais = indemnite_totale(offre, e, faits), centimes(r.get("frais", 0))
    nouveau = lire_pret({"montant": 1, "taux": r["taux"], "nombre_echeances": r["nombre_echeances"],
                         "assurance": r.get("assurance", [])})
    nouveau["c"] = e["reste"] + penalite + frais
    neuves = echeancier(nouveau)
    garde = sum(l[1] + l[3] for l in gardees[k:])
    rachete = sum(l[1] + l[3] for l in neuves) + penalite + frais
    seuil, gain = None, 0
    for j in range(1, max(len(neuves), len(gardees) - k) + 1):
        gain += cout_ligne(gardees, k + j) - cout_ligne(neuves, j)
        if gain >= penalite + frais:
            seuil = j
            break
    print(f"== {os.path.basename(chemin)} ==")
    print(f"Rachat : {offre['nom']}, prêt {r['pret']}, après l'échéance {k}")
    print(f"  Capital du rachat : {euros(nouveau['c'])}")
    print(f"  Indemnité : {euros(penalite)}")
    print(f"  Échéance gardée : {euros(gardees[k][0] + gardees[k][3])}")
    print(f"  Échéance du rachat : {euros(neuves[0][0] + neuves[0][3])}")
    print(f"  Coût restant gardé : {euros(garde)}")
    print(f"  Coût restant du rachat : {euros(rachete)}")
    print(f"  Gain net : {euros(garde - rachete)}")
    print(f"  Rentable après l'échéance : {'—' if seuil is None else seuil}")
    print()


if __name__ == "__main__":
    noms = sys.argv[1:]
    rachats = sorted((c for c in noms if os.path.basename(c).startswith("rachat-")), key=os.path.basename)
    for chemin in sorted((c for c in noms if c not in rachats), key=os.path.basename):
        imprimer_dossier(chemin)
    for chemin in rachats:
        imprimer_rachat(chemin)
