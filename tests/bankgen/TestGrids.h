// Puzzles and grid transformations shared by the bankgen tests.
#pragma once

#include "tools/bankgen/Grader.h"
#include "tools/bankgen/Grid.h"

#include <string_view>

namespace bankgen::testing {

// One completion; solved by naked singles alone.
inline constexpr std::string_view kEasy =
    "93xxx67xxx6xx48xx5xx52xx1x8xxx97x5142xxxxxxx3547x61xxx7x4xx38xx3xx89xx2xxx61xxx97";
inline constexpr std::string_view kEasySolution =
    "938516742162748935475239168683972514219485673547361289794623851351897426826154397";
// One completion; stalls after every technique the grader knows.
inline constexpr std::string_view kHardest =
    "51xxx39xxx7xxx6x538xxx9x1xx3x27xxxxxx5xxxxx4xxxxxx15x9xx7x4xxx514x6xxx9x2xx8xxxxx";
inline constexpr std::string_view kHardestSolution =
    "516483927974216853823597164392754681751968342468321579687149235145632798239875416";

inline Grid Read(std::string_view text) {
    return *ParsePuzzle(text);
}

inline Grid Transpose(const Grid& g) {
    Grid t{};
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            t[c * 9 + r] = g[r * 9 + c];
    return t;
}

inline Grid SwapRows(Grid g, int a, int b) {
    for (int c = 0; c < 9; ++c)
        std::swap(g[a * 9 + c], g[b * 9 + c]);
    return g;
}

inline Grid SwapBands(Grid g, int a, int b) {
    for (int k = 0; k < 3; ++k)
        g = SwapRows(g, a * 3 + k, b * 3 + k);
    return g;
}

// Digit d becomes (d + shift - 1) % 9 + 1.
inline Grid Rename(Grid g, int shift) {
    for (auto& v : g) {
        if (v)
            v = static_cast<std::uint8_t>((v + shift - 1) % 9 + 1);
    }
    return g;
}

// Every cell open with every digit possible; a test strikes candidates to
// build the one pattern it wants, so nothing else applies.
inline Position Open() {
    Position p;
    p.cand.fill(kAllDigits);
    return p;
}

} // namespace bankgen::testing
