#pragma once

#include <cstdio>
#include <cstdlib>

// A property that does not hold ends the run, so libFuzzer keeps the input; the line of the
// property is printed first.
#define require(condition)                                                                        \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "property failed: %s:%d: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)
