#include "tools/bankgen/Plan.h"

#include "tools/bankgen/BankFile.h"
#include "tools/bankgen/Profile.h"

#include <gtest/gtest.h>

namespace bankgen {
namespace {

// The plan's targets together with the fixed pairs must add up to each
// level's profile exactly, or no generator could meet it.
TEST(PlanBank, TargetsAndFixedPairsAddUpToTheProfile) {
    const auto slots = PlanBank(7);
    ASSERT_EQ(slots.size(), static_cast<std::size_t>(kBankSize));
    for (int level = 1; level <= kLevels; ++level) {
        LevelProfile sum;
        for (int number = 1; number <= kPerLevel; ++number) {
            const Slot& s = slots[SlotOf(level, number)];
            EXPECT_EQ(s.level, level);
            EXPECT_EQ(s.number, number);
            if (s.fixed) {
                const Grid puzzle = *ParsePuzzle(s.fixed->puzzle);
                ++sum.givens[CountGivens(puzzle)];
                ++sum.hardest[static_cast<int>(Grade(puzzle))];
                continue;
            }
            ++sum.givens[s.target.givens];
            ++sum.hardest[static_cast<int>(s.target.hardest)];
            EXPECT_EQ(s.target.centre, level == 2 && SparseNumbers().count(number) == 1);
            EXPECT_EQ(s.sparse, s.target.centre);
            EXPECT_EQ(s.target.symmetric, level != 1 || s.target.givens == 36);
        }
        EXPECT_EQ(sum.givens, TargetProfile()[level - 1].givens) << "level " << level;
        EXPECT_EQ(sum.hardest, TargetProfile()[level - 1].hardest) << "level " << level;
    }
}

TEST(PlanBank, FixedPairsStandAtTheirPlaces) {
    const auto slots = PlanBank(7);
    int fixed = 0;
    for (const auto& s : slots) {
        if (s.fixed) {
            ++fixed;
            EXPECT_EQ(s.fixed->level, s.level);
            EXPECT_EQ(s.fixed->number, s.number);
        }
    }
    EXPECT_EQ(fixed, 6);
}

TEST(PlanBank, TheSeedDecidesWhichNumbersGetWhichTargets) {
    const auto a = PlanBank(1), b = PlanBank(2);
    int moved = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        moved += a[i].target.givens != b[i].target.givens;
    EXPECT_GT(moved, 0);
    EXPECT_EQ(PlanBank(1)[200].target.givens, a[200].target.givens);
}

} // namespace
} // namespace bankgen
