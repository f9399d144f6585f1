#pragma once

#include <cstdlib>

// A broken property ends the run: the fuzzer keeps the input as a finding.
inline void require(bool property) {
    if (!property)
        std::abort();
}
