// The actuarial rate on arbitrary flows: a rate found is finite and above
// -100 %; under the fuzzer, the solver answers within 10 ms.
#include "credit/actuariel.h"
#include "verifier.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <ctime>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    FuzzedDataProvider d(donnees, taille);
    std::vector<credit::Flux> flux;
    while (d.remaining_bytes() > 0 && flux.size() < 1200)
        flux.push_back({d.ConsumeFloatingPointInRange(0.0, 100.0), d.ConsumeFloatingPoint<double>()});
    auto taux = credit::taux_actuariel(flux);
#ifdef TARVIO_FUZZ
    // The thread's own time, the least of three tries: a page fault or the fuzzer's own
    // bookkeeping does not count against the solver.
    double ms = 1e9;
    for (int essai = 0; essai < 3 && ms >= 10; ++essai) {
        timespec debut, fin;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &debut);
        credit::taux_actuariel(flux);
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &fin);
        ms = std::min(ms, (fin.tv_sec - debut.tv_sec) * 1e3 + (fin.tv_nsec - debut.tv_nsec) / 1e6);
    }
    VERIFIER(ms < 10);
#endif
    if (!taux)
        return 0;
    VERIFIER(std::isfinite(*taux) && *taux > -1);
    return 0;
}
