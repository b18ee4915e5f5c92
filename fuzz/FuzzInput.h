#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// The pieces of one fuzz input: the bytes split at every 0x01, as many as a target wants (the
// last takes the rest). A failed property aborts, so the fuzzer keeps the input.
namespace fuzzing {

inline std::vector<std::string> pieces(const uint8_t* data, size_t size, size_t count) {
    std::vector<std::string> out(count);
    std::size_t piece = 0;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0x01 && piece + 1 < count)
            ++piece;
        else
            out[piece] += static_cast<char>(data[i]);
    }
    return out;
}

inline void check(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property failed: %s\n", property);
        std::abort();
    }
}

} // namespace fuzzing
