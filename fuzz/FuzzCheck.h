// A failed property aborts, which libFuzzer reports as a finding with the input.
#pragma once
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

#include <string_view>

#include "platform/AnsiText.h"

// True when S ends in a lead byte with no second byte: ill-formed code page
// 932 whose last byte would pair with whatever is appended to it.
inline bool EndsInLoneLeadByte(std::string_view S) {
    std::size_t i = 0;
    while (i < S.size()) i += IsLeadByte(static_cast<unsigned char>(S[i])) ? 2 : 1;
    return i > S.size();
}
