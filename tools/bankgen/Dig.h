// Makes a puzzle of a given shape and grade by removing givens from a random
// grid, one removal unit at a time, keeping only removals that leave the
// puzzle within the grade.
#pragma once

#include "tools/bankgen/Grader.h"
#include "tools/bankgen/Rng.h"

#include <optional>

namespace bankgen {

struct Pair {
    Grid puzzle{};
    Grid solution{};
};

struct Target {
    int givens = 0;
    // Symmetric: the givens pattern is unchanged by a half turn; otherwise it
    // must not be.
    bool symmetric = true;
    bool centre = false;
    Technique hardest = Technique::NakedSingle;
};

// One attempt; nullopt when this grid and removal order miss the target.
std::optional<Pair> DigOnce(const Target& target, Rng& rng);

// True when the pair's puzzle has the target's shape and grade.
bool Meets(const Grid& puzzle, const Target& target);

} // namespace bankgen
