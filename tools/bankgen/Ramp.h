// The bank's ramp: which places are fixed, and how well the free places
// rise and the levels separate by the rating key.
#pragma once

#include "tools/bankgen/Dig.h"
#include "tools/bankgen/Rater.h"

#include <array>
#include <vector>

namespace bankgen {

// Rates every puzzle of the pairs on the given number of threads.
std::vector<Rating> RateAll(const std::vector<Pair>& pairs, int threads);

// The quoted pairs' places and the 19-given places of level 2.
bool IsFixedPlace(int level, int number);

// Spearman's rank correlation, ties taking their mean rank.
double RankCorrelation(const std::vector<RatingKey>& x, const std::vector<RatingKey>& y);

// The chance that a random key of lower is higher than a random key of upper.
double OverlapChance(const std::vector<RatingKey>& lower, const std::vector<RatingKey>& upper);

inline constexpr double kMaxOverlap = 0.05;

struct RampStats {
    // Number against key over the free places of each level.
    std::array<double, 3> correlation{};
    // Levels 1-2 and 2-3, over all places.
    std::array<double, 2> overlap{};
    // Free places whose key is lower than the free place before them.
    std::vector<int> descents;
};

// Keys of a whole bank in bank order.
RampStats MeasureRamp(const std::vector<RatingKey>& keys);

} // namespace bankgen
