"""The main window as a screen reader meets it, through AT-SPI: every control
named, uniquely and without leader dots, each box labelled by its caption,
and a result announced when it appears.

Usage: lecteur_ecran.py PROGRAM (on a session bus with an AT-SPI bus and a display)
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

FOCALES = {"text", "combo box", "push button", "radio button", "table"}
ATTENDUS = {"Montant de l'emprunt", "Périodes minimum", "Taux d'intérêt maximum",
            "Calculer le tableau d'hypothèses", "Calculer le nombre de mensualités", "Calculer le taux"}
echecs = []


def verifier(condition, message):
    if not condition:
        echecs.append(message)


def fenetre_principale():
    """The main window, once the program has shown it on the bus."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Tarvio":
            return next((f for f in app if f is not None and f.name == "Calcul d'emprunt"), None)
    return None


def demarrer(chemin, essais=3):
    """The program and its main window; started again should the new display refuse it at first."""
    for _ in range(essais):
        programme = subprocess.Popen([chemin])
        fin = time.time() + 30
        while time.time() < fin and programme.poll() is None:
            fenetre = fenetre_principale()
            if fenetre is not None:
                return programme, fenetre
            time.sleep(0.1)
        programme.terminate()
        programme.wait()
    return None, None


def objets(racine):
    """Every object under the root, the grid's cells and the lists' items apart."""
    pile = [racine]
    while pile:
        o = pile.pop()
        yield o
        if o.getRoleName() not in ("table", "combo box"):
            pile.extend(c for c in o if c is not None)


def noms_et_relations(fenetre):
    noms = {}
    for o in objets(fenetre):
        role = o.getRoleName()
        if role not in FOCALES:
            continue
        verifier(o.name and ".." not in o.name, f"{role} mal nommé : {o.name!r}")
        verifier(o.name not in noms, f"nom en double : {o.name!r}")
        noms[o.name] = o
        if role in ("text", "combo box"):
            legendes = [r for r in o.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
            verifier(legendes, f"{o.name!r} sans légende")
        if role == "combo box":
            listes = [c.childCount for c in o if c.getRoleName() == "list"]
            verifier(listes == [97], f"{o.name!r} : liste des taux {listes}")
            action = o.queryAction()
            ouvrir = [i for i in range(action.nActions) if action.getName(i) == "ShowMenu"]
            verifier(ouvrir, f"{o.name!r} ne s'ouvre pas")
    verifier(ATTENDUS <= set(noms), f"noms manquants : {ATTENDUS - set(noms)}")
    return noms


def annonce_du_resultat(noms):
    """The number of instalments, computed through AT-SPI alone, is announced."""
    annonces = []

    def ecouter(evenement):
        if evenement.source.getRoleName() == "label":
            annonces.append(evenement.source.name)
            if evenement.source.name.startswith("Nombre de Mensualités"):
                pyatspi.Registry.stop()

    def calculer():
        for nom, texte in (("Somme empruntée", "10000"), ("Taux d'intérêt annuel", "5"),
                           ("Montant de chaque remboursement", "200")):
            noms[nom].queryEditableText().setTextContents(texte)
        noms["Calculer le nombre de mensualités"].queryAction().doAction(0)
        return False

    pyatspi.Registry.registerEventListener(ecouter, "object:property-change:accessible-name")
    GLib.timeout_add(200, calculer)
    GLib.timeout_add(15000, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    verifier("Nombre de Mensualités : 57 mois" in annonces, f"résultat non annoncé : {annonces}")


def main():
    programme, fenetre = demarrer(sys.argv[1])
    if fenetre is None:
        print("la fenêtre de Tarvio n'apparaît pas sur le bus AT-SPI")
        return 1
    try:
        annonce_du_resultat(noms_et_relations(fenetre))
    finally:
        programme.terminate()
        programme.wait()
    for e in echecs:
        print(e)
    return 1 if echecs else 0


sys.exit(main())
