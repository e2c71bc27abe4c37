// Generates the whole bank from a seed. Every slot draws from its own random
// stream, so the result does not depend on the number of threads.
#pragma once

#include "tools/bankgen/Dig.h"

#include <cstdint>
#include <ostream>
#include <vector>

namespace bankgen {

// Candidates made for each free slot, among which selection chooses.
inline constexpr int kCandidates = 3;

struct GenerateOptions {
    std::uint64_t seed = 0;
    int threads = 1;
    // Progress of the slot searches, when set.
    std::ostream* log = nullptr;
};

std::vector<Pair> GenerateBank(const GenerateOptions& options);

// The bench set: minimal half-turn-symmetric puzzles made by greedy removal.
std::vector<Grid> GenerateMinimalPuzzles(std::uint64_t seed, int count, int threads);

} // namespace bankgen
