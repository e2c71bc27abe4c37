#include "tools/bankgen/Ramp.h"

#include <gtest/gtest.h>

namespace bankgen {
namespace {

std::vector<RatingKey> Keys(std::initializer_list<double> efforts, int hardest = 12) {
    std::vector<RatingKey> keys;
    for (double e : efforts)
        keys.push_back({hardest, e});
    return keys;
}

TEST(RankCorrelation, RisingFallingAndTied) {
    const auto rising = Keys({1, 2, 3, 4});
    EXPECT_DOUBLE_EQ(RankCorrelation(rising, Keys({5, 6, 7, 9})), 1.0);
    EXPECT_DOUBLE_EQ(RankCorrelation(rising, Keys({9, 7, 6, 5})), -1.0);
    // The hardest step outranks any effort.
    EXPECT_DOUBLE_EQ(RankCorrelation(rising, {{12, 9}, {15, 1}, {15, 2}, {23, 0}}), 1.0);
    // A tie takes the mean rank, so a sorted list with a tie is below 1.
    EXPECT_LT(RankCorrelation(rising, Keys({1, 2, 2, 3})), 1.0);
}

TEST(OverlapChance, CountsOnlyStrictlyHigherKeys) {
    EXPECT_DOUBLE_EQ(OverlapChance(Keys({1, 2}), Keys({0, 3})), 0.5);
    EXPECT_DOUBLE_EQ(OverlapChance(Keys({1, 2}), Keys({2, 3})), 0.0);
    EXPECT_DOUBLE_EQ(OverlapChance(Keys({9}, 12), Keys({1}, 15)), 0.0);
}

TEST(FixedPlaces, QuotedAndSparsePlacesOnly) {
    EXPECT_TRUE(IsFixedPlace(1, 2));
    EXPECT_TRUE(IsFixedPlace(2, 80));
    EXPECT_TRUE(IsFixedPlace(3, 151));
    EXPECT_FALSE(IsFixedPlace(1, 80));
    EXPECT_FALSE(IsFixedPlace(3, 2));
}

} // namespace
} // namespace bankgen
