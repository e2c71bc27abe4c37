// A canonical form under the grid's symmetries (row swaps within a band, band
// swaps, the same for columns and stacks, transposition) combined with a
// renaming of the digits.
#pragma once

#include "tools/bankgen/Grid.h"

#include <compare>

namespace bankgen {

// Two puzzles with unique completions are equivalent exactly when their keys
// are equal: an equivalence maps completion onto completion, so the key is
// the least image of the completed grid and, among the transformations that
// give it, the least image of the puzzle.
struct CanonicalKey {
    Grid grid{};
    Grid puzzle{};
    auto operator<=>(const CanonicalKey&) const = default;
};

CanonicalKey Canonical(const Grid& puzzle, const Grid& solution);

} // namespace bankgen
