#include "tools/bankgen/Grader.h"

#include "TestGrids.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace bankgen {
namespace {

using testing::Open;
using testing::Read;

void Strike(Position& p, int row, int col, int digit) {
    p.cand[row * 9 + col] &= static_cast<std::uint16_t>(~Bit(digit));
}

void Keep(Position& p, int row, int col, std::initializer_list<int> digits) {
    std::uint16_t m = 0;
    for (int d : digits)
        m |= Bit(d);
    p.cand[row * 9 + col] = m;
}

using Deduction = bool (*)(Position&);
const std::vector<Deduction> kInOrder = {NakedSingle, HiddenSingle, LockedCandidates, PairsTriples,
                                         XWing};

// The position's technique makes progress and nothing simpler does; the
// step reports it, and the position after it is the one expected.
void ExpectFirstProgressBy(const Position& start, Technique t, const Position& after) {
    const int k = static_cast<int>(t);
    for (int simpler = 0; simpler < k; ++simpler) {
        Position copy = start;
        EXPECT_FALSE(kInOrder[simpler](copy)) << "technique " << simpler << " also applies";
        EXPECT_EQ(copy.cand, start.cand);
    }
    Position p = start;
    EXPECT_EQ(Step(p), t);
    EXPECT_EQ(p.cand, after.cand);
    EXPECT_EQ(p.value, after.value);
}

TEST(Techniques, NakedSinglePlacesTheLastCandidate) {
    Position p = Open();
    Keep(p, 4, 4, {7});
    Position after = p;
    after.Place(40, 7);
    ExpectFirstProgressBy(p, Technique::NakedSingle, after);
    EXPECT_EQ(after.cand[4 * 9], kAllDigits & ~Bit(7));
}

TEST(Techniques, HiddenSingleInARowColumnOrBox) {
    for (int unit : {2, 9 + 6, 18 + 4}) {
        Position p = Open();
        const auto& cells = Units().cells[unit];
        for (int i = 1; i < 9; ++i)
            p.cand[cells[i]] &= static_cast<std::uint16_t>(~Bit(3));
        Position after = p;
        after.Place(cells[0], 3);
        ExpectFirstProgressBy(p, Technique::HiddenSingle, after);
    }
}

TEST(Techniques, LockedCandidatesPointing) {
    // In box 0, digit 5 only in row 0: struck from the rest of row 0.
    Position p = Open();
    for (int r = 1; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            Strike(p, r, c, 5);
    Position after = p;
    for (int c = 3; c < 9; ++c)
        Strike(after, 0, c, 5);
    ExpectFirstProgressBy(p, Technique::LockedCandidates, after);
}

TEST(Techniques, LockedCandidatesClaiming) {
    // In column 4, digit 2 only in box 4: struck from the rest of box 4.
    Position p = Open();
    for (int r : {0, 1, 2, 6, 7, 8})
        Strike(p, r, 4, 2);
    Position after = p;
    for (int r = 3; r < 6; ++r)
        for (int c : {3, 5})
            Strike(after, r, c, 2);
    ExpectFirstProgressBy(p, Technique::LockedCandidates, after);
}

TEST(Techniques, NakedPair) {
    Position p = Open();
    Keep(p, 0, 0, {1, 2});
    Keep(p, 0, 5, {1, 2});
    Position after = p;
    for (int c = 1; c < 9; ++c) {
        if (c != 5) {
            Strike(after, 0, c, 1);
            Strike(after, 0, c, 2);
        }
    }
    ExpectFirstProgressBy(p, Technique::PairsTriples, after);
}

TEST(Techniques, NakedTripleWithoutAnyCellHoldingAllThree) {
    Position p = Open();
    Keep(p, 0, 4, {1, 2});
    Keep(p, 3, 4, {2, 3});
    Keep(p, 7, 4, {1, 3});
    Position after = p;
    for (int r = 0; r < 9; ++r) {
        if (r != 0 && r != 3 && r != 7)
            for (int d : {1, 2, 3})
                Strike(after, r, 4, d);
    }
    ExpectFirstProgressBy(p, Technique::PairsTriples, after);
}

TEST(Techniques, HiddenPair) {
    // Digits 8 and 9 only in cells 0 and 7 of row 2.
    Position p = Open();
    for (int c = 1; c < 7; ++c) {
        Strike(p, 2, c, 8);
        Strike(p, 2, c, 9);
    }
    Strike(p, 2, 8, 8);
    Strike(p, 2, 8, 9);
    Position after = p;
    Keep(after, 2, 0, {8, 9});
    Keep(after, 2, 7, {8, 9});
    ExpectFirstProgressBy(p, Technique::PairsTriples, after);
}

TEST(Techniques, HiddenTriple) {
    // Digits 4, 5 and 6 only in cells 1, 4 and 8 of row 6, spread so that
    // no digit is locked into a box.
    Position p = Open();
    for (int c : {0, 2, 3, 5, 6, 7})
        for (int d : {4, 5, 6})
            Strike(p, 6, c, d);
    Position after = p;
    for (int c : {1, 4, 8})
        Keep(after, 6, c, {4, 5, 6});
    ExpectFirstProgressBy(p, Technique::PairsTriples, after);
}

TEST(Techniques, XWingOnRowsAndOnColumns) {
    for (bool onColumns : {false, true}) {
        // Digit 1 of lines 1 and 5 only at crossing lines 2 and 7.
        auto at = [&](Position& q, int line, int cross) {
            return onColumns ? Strike(q, cross, line, 1) : Strike(q, line, cross, 1);
        };
        Position p = Open();
        for (int line : {1, 5})
            for (int cross = 0; cross < 9; ++cross) {
                if (cross != 2 && cross != 7)
                    at(p, line, cross);
            }
        Position after = p;
        for (int line = 0; line < 9; ++line) {
            if (line != 1 && line != 5)
                for (int cross : {2, 7})
                    at(after, line, cross);
        }
        ExpectFirstProgressBy(p, Technique::XWing, after);
    }
}

TEST(Step, NothingAppliesToAnOpenPosition) {
    Position p = Open();
    EXPECT_EQ(Step(p), std::nullopt);
}

TEST(Step, TakesTheSimplestEvenWhenHarderOnesApply) {
    Position p = Open();
    Keep(p, 0, 0, {1, 2});
    Keep(p, 0, 5, {1, 2});
    Keep(p, 8, 8, {4});
    EXPECT_EQ(Step(p), Technique::NakedSingle);
    EXPECT_EQ(Step(p), Technique::PairsTriples);
}

TEST(Grade, ClassesPuzzlesByTheHardestTechniqueNeeded) {
    EXPECT_EQ(Grade(Read(testing::kEasy)), Technique::NakedSingle);
    EXPECT_EQ(Grade(Read(testing::kHardest)), Technique::Beyond);
    EXPECT_EQ(
        Grade(Read(
            "16xxx39xxxx75x42xxxx9xxx7xxx1xx6xx7xxx39x16xxx8xx3xx9xxx8xxx1xxxx54x28xx42xxxxx39")),
        Technique::HiddenSingle);
    EXPECT_EQ(
        Grade(Read(
            "xxx1xxxx74xxx2x9xxx6x5xxx236x4xx3xxxx2xxxxx4xxxx9xx7x884xxx5x9xxx3x6xxx19xxxx8xxx")),
        Technique::LockedCandidates);
}

TEST(Grade, IsUnchangedByTheGridSymmetries) {
    const Grid g = Read(testing::kHardest);
    EXPECT_EQ(Grade(testing::Transpose(g)), Technique::Beyond);
    EXPECT_EQ(Grade(testing::Rename(testing::SwapBands(g, 0, 2), 4)), Technique::Beyond);
}

TEST(Grade, SolvedPositionFromTheCompletedGrid) {
    Position p = Position::FromPuzzle(*ParseSolution(testing::kEasySolution));
    EXPECT_TRUE(p.Solved());
    EXPECT_EQ(Step(p), std::nullopt);
}

} // namespace
} // namespace bankgen
