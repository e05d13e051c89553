#pragma once

#include <cstdio>
#include <cstdlib>

/// Stops the fuzz run with a finding when a property of the converter does not hold.
inline void fuzzCheck(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}
