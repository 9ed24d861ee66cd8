#pragma once

// What the dossier's reader shares between its files: strict reading of one
// JSON object's keys, each refusal naming where it stands.

#include "credit/dossier.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace credit {

using Json = nlohmann::ordered_json;

// Ends the reading with its message.
struct Refus {
    std::string message;
};

// Reads the keys of one object; a refusal names where they stand.
class Objet {
public:
    Objet(const Json& json, std::string lieu) : json_(json), lieu_(std::move(lieu))
    {
        if (!json_.is_object())
            throw Refus{lieu_ + " : un objet JSON est attendu ({ … })."};
    }

    // The key's value, or null when it is absent (refused when required).
    const Json& cle(const char* nom, bool requise = false) const
    {
        static const Json nul;
        auto i = json_.find(nom);
        if (i != json_.end() && !i->is_null())
            return *i;
        if (requise)
            refuser(nom, "manque");
        return nul;
    }

    // A number within [mini, maxi], whole if asked; `attendu` says what it should be.
    std::optional<double> nombre(const char* nom, double mini, double maxi, const char* attendu, bool requise = false,
                                 bool entier = false) const
    {
        const Json& v = cle(nom, requise);
        if (v.is_null())
            return std::nullopt;
        if (!v.is_number())
            refuser(nom, "doit être un nombre");
        double x = v.get<double>();
        if (!(x >= mini && x <= maxi) || (entier && x != std::floor(x)))
            refuser(nom, std::string("doit être ") + attendu);
        return x;
    }

    // One of the words `mots`, given with their values; the first when absent.
    template <typename T>
    T mot(const char* nom, std::initializer_list<std::pair<const char*, T>> mots) const
    {
        const Json& v = cle(nom);
        if (v.is_null())
            return mots.begin()->second;
        std::string liste;
        for (auto [texte, valeur] : mots) {
            if (v.is_string() && v.get<std::string>() == texte)
                return valeur;
            liste += (liste.empty() ? "\"" : ", \"") + std::string(texte) + "\"";
        }
        refuser(nom, "doit valoir " + liste);
    }

    bool booleen(const char* nom) const
    {
        const Json& v = cle(nom);
        if (!v.is_null() && !v.is_boolean())
            refuser(nom, "doit valoir true ou false");
        return !v.is_null() && v.get<bool>();
    }

    [[noreturn]] void refuser(const char* nom, const std::string& pourquoi) const
    {
        throw Refus{lieu_ + " : « " + nom + " » " + pourquoi + "."};
    }

    const std::string& lieu() const { return lieu_; }

private:
    const Json& json_;
    std::string lieu_;  // "Offre « Banque B », prêt 1"
};

// A rate or a share written in per cent, as a fraction; 0 when absent.
double pour_cent(std::optional<double> x);

Assurance lire_assurance(const Objet& o);
// The loan's events (of a version 2 file).
std::vector<Evenement> lire_evenements(const Objet& pret, bool date);

// Of a version 3 file: a PTZ's terms as its rules propose them (its name
// included), a plain loan otherwise; the loan's deferral and steps; the
// offer's smoothing.
Pret lire_ptz(const Objet& pret);
void lire_differe_et_paliers(const Objet& objet, Pret& pret);
std::optional<Lissage> lire_lissage(const Objet& offre);

}  // namespace credit
