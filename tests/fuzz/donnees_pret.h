#pragma once

// A loan within the schedule's bounds, drawn from a fuzzer's bytes.

#include "credit/pret.h"

#include <fuzzer/FuzzedDataProvider.h>

inline credit::Assurance assurance_tiree(FuzzedDataProvider& d)
{
    if (d.ConsumeBool())
        return {.mensualite = d.ConsumeFloatingPointInRange(0.0, 500.0)};
    return {.taux = d.ConsumeFloatingPointInRange(0.0, 0.02),
            .base = d.ConsumeBool() ? credit::BaseAssurance::capital_initial : credit::BaseAssurance::capital_restant_du,
            .quotite = d.ConsumeFloatingPointInRange(0.01, 1.0)};
}

inline credit::Pret pret_tire(FuzzedDataProvider& d)
{
    credit::Pret p;
    p.capital = d.ConsumeFloatingPointInRange(0.01, 2e7);
    p.taux_annuel = d.ConsumeFloatingPointInRange(-0.05, 0.3);
    p.periodes_par_an = d.PickValueInArray({1, 4, 12});
    p.nb_echeances = d.ConsumeIntegralInRange(1, 600);
    p.amortissement = d.ConsumeBool() ? credit::Amortissement::echeances_constantes
                                      : credit::Amortissement::capital_constant;
    p.en_debut_de_periode = d.ConsumeBool();
    for (int i = d.ConsumeIntegralInRange(0, 2); i > 0; --i)
        p.assurances.push_back(assurance_tiree(d));
    p.frais = d.ConsumeFloatingPointInRange(0.0, 5000.0);
    return p;
}
