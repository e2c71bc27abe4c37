// Chooses, for each class of free slots, which candidates fill them, so
// that neighbouring levels barely overlap by the rating key.
#pragma once

#include "tools/bankgen/Rater.h"

#include <array>
#include <stdexcept>
#include <vector>

namespace bankgen {

// The candidates for the free slots of one level that share a givens count
// and grade. The first `slots` candidates are the natural choice, one per
// slot, which selection departs from only as far as separation needs.
struct Pool {
    int level = 0;
    int slots = 0;
    std::vector<RatingKey> keys;
};

struct SelectGoal {
    // Overlap to reach between levels 1-2 and 2-3.
    double overlap = 0.04;
};

class SelectionFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Returns, for each pool, the indices of its chosen candidates. Level 3's
// median effort never rises above that of the natural choice. Throws
// SelectionFailed when no sequence of single exchanges reaches the goal.
std::vector<std::vector<int>> SelectCandidates(const std::array<std::vector<RatingKey>, 3>& fixed,
                                               const std::vector<Pool>& pools,
                                               const SelectGoal& goal);

} // namespace bankgen
