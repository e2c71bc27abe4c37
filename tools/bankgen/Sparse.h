// Finds half-turn-symmetric puzzles with the centre given and fewer givens
// than removal from a full grid ever reaches (19), by local search over
// pair-minimal puzzles.
#pragma once

#include "tools/bankgen/Dig.h"

namespace bankgen {

struct SparseTarget {
    int givens = 19;
    Technique hardest = Technique::HiddenSingle;
    // Completions enumerated per relaxed puzzle before the relaxation is
    // given up as too loose.
    int enumerationCap = 3000;
    // Same-size moves tried from a puzzle that no relaxation shrinks.
    int lateralMoves = 40;
};

// Runs until it finds one; each call continues from the stream's state, so
// the result depends only on the seed of rng.
Pair SearchSparse(const SparseTarget& target, Rng& rng);

} // namespace bankgen
