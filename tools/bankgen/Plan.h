// Decides what each of the 453 slots must hold: a fixed pair, or a target
// shape and grade that together meet the level profiles exactly.
#pragma once

#include "tools/bankgen/Dig.h"
#include "tools/bankgen/FixedPairs.h"

#include <cstdint>
#include <vector>

namespace bankgen {

struct Slot {
    int level = 0;
    int number = 0;
    const FixedPair* fixed = nullptr;
    // Sparse slots need the local search; the others come from removal.
    bool sparse = false;
    Target target;
};

// Bank order; the seed only decides which numbers get which targets. Free
// slots then draw their candidates from their own streams, and the chosen
// puzzles are reordered by their rating.
std::vector<Slot> PlanBank(std::uint64_t seed);

} // namespace bankgen
