#pragma once

// A fuzz target's assertion: it stops the run where the fuzzer and the
// replay both see it, whatever the build type.

#include <cstdio>
#include <cstdlib>

#define VERIFIER(condition)                                                                       \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: faux : %s\n", __FILE__, __LINE__, #condition);           \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)
