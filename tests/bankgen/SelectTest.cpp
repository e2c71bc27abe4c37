#include "tools/bankgen/Select.h"

#include "tools/bankgen/Ramp.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace bankgen {
namespace {

std::vector<RatingKey> Chosen(const Pool& pool, const std::vector<int>& chosen) {
    std::vector<RatingKey> keys;
    for (int k : chosen)
        keys.push_back(pool.keys[k]);
    return keys;
}

// Three levels of ten slots each, one pool per level, three candidates a slot.
struct Scenario {
    std::array<std::vector<RatingKey>, 3> fixed;
    std::vector<Pool> pools;
};

Scenario Overlapping() {
    Scenario s;
    for (int level = 1; level <= 3; ++level) {
        Pool p{level, 10, {}};
        for (int k = 0; k < 30; ++k)
            p.keys.push_back({12, level * 10.0 + (k * 7 % 30) - 15});
        s.pools.push_back(p);
    }
    return s;
}

TEST(SelectCandidates, SeparatesOverlappingLevels) {
    const Scenario s = Overlapping();
    const auto chosen = SelectCandidates(s.fixed, s.pools, SelectGoal{});
    ASSERT_EQ(chosen.size(), 3u);
    std::array<std::vector<RatingKey>, 3> levels;
    for (int l = 0; l < 3; ++l) {
        EXPECT_EQ(chosen[l].size(), 10u);
        levels[l] = Chosen(s.pools[l], chosen[l]);
    }
    EXPECT_LE(OverlapChance(levels[0], levels[1]), 0.04);
    EXPECT_LE(OverlapChance(levels[1], levels[2]), 0.04);
    // Level 3's median effort did not rise above the natural choice's.
    auto median = [](std::vector<RatingKey> k) {
        std::sort(k.begin(), k.end());
        return (k[4].effort + k[5].effort) / 2;
    };
    EXPECT_LE(median(levels[2]), median(std::vector<RatingKey>(s.pools[2].keys.begin(),
                                                               s.pools[2].keys.begin() + 10)));
}

TEST(SelectCandidates, KeepsTheNaturalChoiceWhenAlreadySeparate) {
    Scenario s = Overlapping();
    for (auto& p : s.pools)
        for (auto& k : p.keys)
            k.hardest = 10 + p.level;
    const auto chosen = SelectCandidates(s.fixed, s.pools, SelectGoal{});
    for (const auto& c : chosen)
        EXPECT_EQ(c, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(SelectCandidates, FailsWhenNoChoiceSeparates) {
    Scenario s = Overlapping();
    for (auto& p : s.pools)
        for (auto& k : p.keys)
            k = {12, 5.0};
    s.fixed[0] = {{99, 0}};
    EXPECT_THROW(SelectCandidates(s.fixed, s.pools, SelectGoal{}), SelectionFailed);
}

} // namespace
} // namespace bankgen
