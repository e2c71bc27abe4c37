// The profile that each level of the bank must meet, count for count.
#pragma once

#include "tools/bankgen/Grader.h"

#include <array>
#include <map>
#include <set>

namespace bankgen {

struct LevelProfile {
    std::map<int, int> givens; // givens count -> puzzles
    std::array<int, kTechniques> hardest{};
};

// Index 0 is level 1.
const std::array<LevelProfile, 3>& TargetProfile();

// Level 2 numbers whose puzzles have 19 givens and the only ones with the
// centre cell given.
const std::set<int>& SparseNumbers();
inline constexpr int kSparseGivens = 19;
inline constexpr int kLevelOneSymmetricGivens = 36;

} // namespace bankgen
