#include "tools/bankgen/Rater.h"

#include "TestGrids.h"

#include <gtest/gtest.h>

namespace bankgen {
namespace {

using testing::Open;
using testing::Read;

int At(int row, int col) {
    return row * 9 + col;
}

void Strike(Position& p, int row, int col, int digit) {
    p.cand[At(row, col)] &= static_cast<std::uint16_t>(~Bit(digit));
}

void Keep(Position& p, int row, int col, std::initializer_list<int> digits) {
    std::uint16_t m = 0;
    for (int d : digits)
        m |= Bit(d);
    p.cand[At(row, col)] = m;
}

TEST(RatedStep, SinglesComeInTheirOrder) {
    // Row 0 holds 1..8: a full house at its end, before anything else.
    Position p = Open();
    for (int c = 0; c < 8; ++c)
        p.Place(At(0, c), c + 1);
    EXPECT_EQ(RatedStep(p), Rated::FullHouse);
    EXPECT_EQ(p.value[At(0, 8)], 9);

    // 3 only at the first cell of box 4 and of row 7: the box comes first.
    Position q = Open();
    for (int i = 1; i < 9; ++i) {
        q.cand[Units().cells[18 + 4][i]] &= static_cast<std::uint16_t>(~Bit(3));
        Strike(q, 7, i, 3);
    }
    Keep(q, 2, 2, {6});
    EXPECT_EQ(RatedStep(q), Rated::HiddenSingleBox);
    EXPECT_EQ(q.value[At(3, 3)], 3);
    EXPECT_EQ(RatedStep(q), Rated::HiddenSingleLine);
    EXPECT_EQ(q.value[At(7, 0)], 3);
    EXPECT_EQ(RatedStep(q), Rated::NakedSingle);
    EXPECT_EQ(q.value[At(2, 2)], 6);
}

TEST(RatedStep, DirectPointingPlacesItsSingleAndKeepsNoElimination) {
    // Box 0 has 5 only in row 0; struck from row 0, box 1 keeps 5 only at (1,3).
    Position p = Open();
    for (int r = 1; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            Strike(p, r, c, 5);
    for (int r = 1; r < 3; ++r)
        for (int c = 3; c < 6; ++c)
            if (r != 1 || c != 3)
                Strike(p, r, c, 5);
    Position pointing = p;
    EXPECT_EQ(RatedStep(p), Rated::DirectPointing);
    EXPECT_EQ(p.value[At(1, 3)], 5);
    EXPECT_TRUE(p.cand[At(0, 6)] & Bit(5));

    // Without the single, the plain pointing strikes 5 from the rest of row 0.
    pointing.cand[At(1, 4)] |= Bit(5);
    pointing.cand[At(2, 4)] |= Bit(5);
    EXPECT_EQ(RatedStep(pointing), Rated::Pointing);
    for (int c = 3; c < 9; ++c)
        EXPECT_FALSE(pointing.cand[At(0, c)] & Bit(5)) << c;
    EXPECT_TRUE(pointing.cand[At(0, 0)] & Bit(5));
}

TEST(RatedStep, DirectHiddenPairPlacesTheSingleItLeavesInItsRow) {
    // 1 and 2 only at (0,0) and (0,1) of row 0; 3 there and at (0,2).
    Position p = Open();
    for (int c = 2; c < 9; ++c) {
        Strike(p, 0, c, 1);
        Strike(p, 0, c, 2);
        if (c > 2)
            Strike(p, 0, c, 3);
    }
    EXPECT_EQ(RatedStep(p), Rated::DirectHiddenPair);
    EXPECT_EQ(p.value[At(0, 2)], 3);
    EXPECT_EQ(p.cand[At(0, 0)], kAllDigits & ~Bit(3));
}

TEST(RatedStep, XWingStrikesTheCoverColumns) {
    Position p = Open();
    for (int c = 0; c < 9; ++c) {
        if (c != 2 && c != 7) {
            Strike(p, 1, c, 4);
            Strike(p, 5, c, 4);
        }
    }
    EXPECT_EQ(RatedStep(p), Rated::XWing);
    for (int r = 0; r < 9; ++r) {
        const bool base = r == 1 || r == 5;
        EXPECT_EQ(static_cast<bool>(p.cand[At(r, 2)] & Bit(4)), base) << r;
        EXPECT_EQ(static_cast<bool>(p.cand[At(r, 7)] & Bit(4)), base) << r;
    }
}

TEST(RatedStep, XYWingStrikesWhatBothPincersSee) {
    Position p = Open();
    Keep(p, 4, 4, {1, 2});
    Keep(p, 4, 0, {1, 3});
    Keep(p, 0, 4, {2, 3});
    EXPECT_EQ(RatedStep(p), Rated::XYWing);
    EXPECT_EQ(p.cand[At(0, 0)], kAllDigits & ~Bit(3));
    EXPECT_EQ(p.cand[At(4, 8)], kAllDigits);
}

TEST(RatedStep, UniqueRectangleTypeOneStripsTheFourthCorner) {
    // (0,0), (0,3) and (1,0) hold only 5 and 6, which their rows, column and
    // box hold nowhere else; (1,3) would close a deadly rectangle.
    Position p = Open();
    for (int c = 1; c < 9; ++c)
        for (int d : {5, 6}) {
            if (c != 3)
                Strike(p, 0, c, d);
            Strike(p, c, 0, d);
            if (c == 1 || c == 2) {
                Strike(p, 1, c, d);
                Strike(p, 2, c, d);
            }
        }
    for (int d : {5, 6})
        p.cand[At(1, 0)] |= Bit(d);
    Keep(p, 0, 0, {5, 6});
    Keep(p, 0, 3, {5, 6});
    Keep(p, 1, 0, {5, 6});
    Keep(p, 1, 3, {5, 6, 7, 8});
    EXPECT_EQ(RatedStep(p), Rated::UniqueRectangle);
    EXPECT_EQ(p.cand[At(1, 3)], Bit(7) | Bit(8));
}

TEST(OpenSingles, CountsEachCellOnce) {
    // (4,4) is both the last candidate of its cell and the last place for 7
    // in its row; (8,8) is a naked single.
    Position p = Open();
    Keep(p, 4, 4, {7});
    for (int c = 0; c < 9; ++c)
        if (c != 4)
            Strike(p, 4, c, 7);
    EXPECT_EQ(OpenSingles(p), 1);
    Keep(p, 8, 8, {2});
    EXPECT_EQ(OpenSingles(p), 2);
}

TEST(Rate, PuzzlesOfKnownDifficulty) {
    // Needs a hidden triple once the easier techniques stall.
    const Rating triple = Rate(
        Read("x7x9xxxxxxx82xx41x4xxxxxxx51xx72xxx9xxx3x8xxx8xxx96xx45xxxxxxx3x62xx95xxxxxxx7x8x"));
    EXPECT_EQ(triple.hardest, 40);
    EXPECT_EQ(triple.counts[static_cast<int>(Rated::HiddenTriple)], 1);

    // Falls to singles in boxes; many open at each step, so little effort.
    const Rating easy = Rate(Read(testing::kEasy));
    EXPECT_EQ(easy.hardest, 12);
    EXPECT_LT(easy.effort, 10);
    EXPECT_GT(easy.effort, 1);
    EXPECT_EQ(KeyOf(easy), KeyOf(Rate(Read(testing::kEasy))));

    // Beyond every listed technique: a forcing step stands in for chains.
    const Rating hardest = Rate(Read(testing::kHardest));
    EXPECT_EQ(hardest.hardest, 70);
    EXPECT_GT(KeyOf(hardest), KeyOf(triple));
}

} // namespace
} // namespace bankgen
