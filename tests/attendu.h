#pragma once

// What an independent reference of tests/reference/ printed: blocks of
// "clé : valeur" lines, one block an offer ("Offre : …"), a buy-back
// ("Rachat : …") or a capacity ("Capacité : …"), grouped by the file they came from ("== fichier … ==").

#include "calc/nombres.h"
#include "credit/echeancier.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <map>
#include <string>
#include <vector>

inline std::string lire_fichier(const std::filesystem::path& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// "  Échéance : 711,04 €" under "Offre : …" of "== deux-prets.tarvio …" gives
// attendu(…)["deux-prets.tarvio"][0]["Échéance"] = "711,04 €".
using Lignes = std::map<std::string, std::string>;
inline std::map<std::string, std::vector<Lignes>> attendu(const std::filesystem::path& chemin)
{
    std::map<std::string, std::vector<Lignes>> a;
    std::istringstream texte(lire_fichier(chemin));
    std::string fichier;
    for (std::string l; std::getline(texte, l);) {
        if (l.rfind("== ", 0) == 0)
            fichier = l.substr(3, l.find(' ', 3) - 3);
        else if (l.rfind("Offre : ", 0) == 0 || l.rfind("Rachat : ", 0) == 0 || l.rfind("Capacité : ", 0) == 0)
            a[fichier].emplace_back();
        else if (auto deux_points = l.find(" : "); deux_points != std::string::npos && !a[fichier].empty())
            a[fichier].back()[l.substr(l.find_first_not_of(' '), deux_points - l.find_first_not_of(' '))] =
                l.substr(deux_points + 3);
    }
    return a;
}

// "échéance 1 234,56 € ; intérêts … ; capital restant dû …", as the references print a line.
inline std::string texte_de_ligne(const credit::Ligne& x)
{
    return "échéance " + calc::euros(x.echeance) + " ; intérêts " + calc::euros(x.interets) + " ; capital amorti " +
           calc::euros(x.capital_amorti) + " ; assurance " + calc::euros(x.assurance) + " ; capital restant dû " +
           calc::euros(x.capital_restant_du);
}

// Every line of the reference's block is what the code gives, its exact rate set apart.
inline void comparer_a(const Lignes& reference, const Lignes& obtenu)
{
    for (const auto& [cle, valeur] : reference) {
        auto o = obtenu.find(cle);
        ASSERT_NE(o, obtenu.end()) << cle;
        EXPECT_EQ(o->second, valeur.substr(0, valeur.find(" (exact"))) << cle;
    }
}
