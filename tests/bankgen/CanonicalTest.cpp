#include "tools/bankgen/Canonical.h"

#include "TestGrids.h"

#include <gtest/gtest.h>

namespace bankgen {
namespace {

using namespace bankgen::testing;

struct Both {
    Grid puzzle;
    Grid solution;
};

template <class F> Both Map(const Both& b, F f) {
    return {f(b.puzzle), f(b.solution)};
}

CanonicalKey Key(const Both& b) {
    return Canonical(b.puzzle, b.solution);
}

Grid SwapColumns(const Grid& g, int a, int b) {
    return Transpose(SwapRows(Transpose(g), a, b));
}

// Half turn: reverse the rows and the columns, each a product of band and
// in-band swaps.
Grid HalfTurnGrid(const Grid& g) {
    Grid out{};
    for (int c = 0; c < kCells; ++c)
        out[HalfTurn(c)] = g[c];
    return out;
}

class CanonicalTest : public ::testing::Test {
protected:
    const Both hardest{Read(kHardest), *ParseSolution(kHardestSolution)};
    const Both easy{Read(kEasy), *ParseSolution(kEasySolution)};
};

TEST_F(CanonicalTest, EverySymmetryAndRenamingGivesTheSameKey) {
    const CanonicalKey key = Key(hardest);
    EXPECT_EQ(Key(Map(hardest, Transpose)), key);
    EXPECT_EQ(Key(Map(hardest, [](const Grid& g) { return SwapRows(g, 3, 5); })), key);
    EXPECT_EQ(Key(Map(hardest, [](const Grid& g) { return SwapBands(g, 0, 2); })), key);
    EXPECT_EQ(Key(Map(hardest, [](const Grid& g) { return SwapColumns(g, 6, 7); })), key);
    EXPECT_EQ(Key(Map(hardest, [](const Grid& g) { return Rename(g, 5); })), key);
    EXPECT_EQ(Key(Map(hardest, HalfTurnGrid)), key);
    EXPECT_EQ(Key(Map(hardest,
                      [](const Grid& g) {
                          return Rename(SwapColumns(Transpose(SwapBands(g, 1, 2)), 0, 2), 8);
                      })),
              key);
}

TEST_F(CanonicalTest, DifferentPuzzlesGetDifferentKeys) {
    EXPECT_NE(Key(hardest), Key(easy));
    // Same completed grid, one given fewer: not equivalent.
    Both fewer = hardest;
    fewer.puzzle[0] = 0;
    EXPECT_NE(Key(fewer), Key(hardest));
    EXPECT_EQ(Key(fewer).grid, Key(hardest).grid);
}

TEST_F(CanonicalTest, KeyIsItselfAnImageOfThePuzzle) {
    const CanonicalKey key = Key(easy);
    EXPECT_TRUE(IsCompleteValid(key.grid));
    EXPECT_TRUE(AgreesWith(key.puzzle, key.grid));
    EXPECT_EQ(CountGivens(key.puzzle), CountGivens(easy.puzzle));
}

} // namespace
} // namespace bankgen
