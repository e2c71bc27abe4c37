#include "tools/bankgen/Solver.h"

#include "TestGrids.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace bankgen {
namespace {

using testing::Read;

// Blanks four cells in two rows of a band and two columns of different
// stacks whose digits read a b / b a: swapping them gives a second grid, so
// the puzzle has exactly two completions.
Grid WithDeadlyRectangle(Grid g) {
    for (int r1 = 0; r1 < 9; ++r1)
        for (int r2 = r1 + 1; r2 < r1 / 3 * 3 + 3; ++r2)
            for (int c1 = 0; c1 < 9; ++c1)
                for (int c2 = (c1 / 3 + 1) * 3; c2 < 9; ++c2) {
                    const int a = r1 * 9 + c1, b = r1 * 9 + c2, c = r2 * 9 + c1, d = r2 * 9 + c2;
                    if (g[a] == g[d] && g[b] == g[c]) {
                        g[a] = g[b] = g[c] = g[d] = 0;
                        return g;
                    }
                }
    return Grid{};
}

TEST(CountSolutions, CountsUpToTheLimit) {
    EXPECT_EQ(CountSolutions(Read(testing::kEasy)), 1);
    EXPECT_EQ(CountSolutions(Read(testing::kHardest)), 1);
    EXPECT_EQ(CountSolutions(Grid{}), 2);
    EXPECT_EQ(CountSolutions(Grid{}, 1), 1);
    EXPECT_EQ(CountSolutions(Grid{}, 50), 50);
}

TEST(CountSolutions, GivensThatClashOrLeaveNoRoomHaveNone) {
    Grid clash{};
    clash[0] = 5;
    clash[80] = 5;
    clash[8] = 5;
    EXPECT_EQ(CountSolutions(clash), 0);
    Grid wrong = Read(testing::kEasy);
    wrong[2] = 1; // the solution has 8 here
    EXPECT_EQ(CountSolutions(wrong), 0);
}

TEST(CountSolutions, FindsBothCompletionsOfADeadlyRectangle) {
    const Grid puzzle = WithDeadlyRectangle(*ParseSolution(testing::kEasySolution));
    ASSERT_EQ(CountGivens(puzzle), 77);
    EXPECT_EQ(CountSolutions(puzzle, 10), 2);
}

class Gather : public SolutionVisitor {
public:
    explicit Gather(int stopAfter) : stopAfter_(stopAfter) {}
    bool Visit(const Grid& s) override {
        seen.push_back(s);
        return static_cast<int>(seen.size()) < stopAfter_;
    }
    std::vector<Grid> seen;

private:
    int stopAfter_;
};

TEST(EnumerateSolutions, VisitsEveryDistinctCompletion) {
    Grid puzzle = Read(testing::kEasy);
    for (int c : {0, 1, 5, 6, 30, 31})
        puzzle[c] = 0;
    const int total = CountSolutions(puzzle, 1000);
    Gather all(1000);
    EXPECT_EQ(EnumerateSolutions(puzzle, 1000, all), total);
    std::set<Grid> distinct(all.seen.begin(), all.seen.end());
    EXPECT_EQ(static_cast<int>(distinct.size()), total);
    for (const auto& s : all.seen) {
        EXPECT_TRUE(IsCompleteValid(s));
        EXPECT_TRUE(AgreesWith(puzzle, s));
    }
}

TEST(EnumerateSolutions, StopsWhenTheVisitorSaysSoOrAtTheCap) {
    Gather three(3);
    EXPECT_EQ(EnumerateSolutions(Grid{}, 100, three), 3);
    Gather many(1000);
    EXPECT_EQ(EnumerateSolutions(Grid{}, 7, many), 7);
    EXPECT_EQ(many.seen.size(), 7u);
}

TEST(RandomCompletion, GivesValidGridsKeepingTheGivensAndFollowsTheSeed) {
    Rng a(42), b(42), c(43);
    const Grid ga = *RandomCompletion(Grid{}, a);
    EXPECT_TRUE(IsCompleteValid(ga));
    EXPECT_EQ(ga, *RandomCompletion(Grid{}, b));
    EXPECT_NE(ga, *RandomCompletion(Grid{}, c));
    Grid puzzle = Read(testing::kHardest);
    EXPECT_EQ(*RandomCompletion(puzzle, a), *ParseSolution(testing::kHardestSolution));
    puzzle[80] = puzzle[1];
    EXPECT_FALSE(RandomCompletion(puzzle, a).has_value());
}

} // namespace
} // namespace bankgen
