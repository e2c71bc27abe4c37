#include "tools/bankgen/Dig.h"

#include "tools/bankgen/Solver.h"
#include "tools/bankgen/Sparse.h"

#include <gtest/gtest.h>

namespace bankgen {
namespace {

Pair DigUntilMet(const Target& t, std::uint64_t seed) {
    Rng rng(seed);
    for (;;) {
        if (auto p = DigOnce(t, rng))
            return *p;
    }
}

void ExpectSound(const Pair& p) {
    EXPECT_TRUE(IsCompleteValid(p.solution));
    EXPECT_TRUE(AgreesWith(p.puzzle, p.solution));
    EXPECT_EQ(CountSolutions(p.puzzle), 1);
}

TEST(Dig, MeetsSymmetricAndAsymmetricTargets) {
    const Target targets[] = {
        {36, true, false, Technique::NakedSingle},
        {38, false, false, Technique::NakedSingle},
        {28, true, false, Technique::HiddenSingle},
        {26, true, false, Technique::LockedCandidates},
    };
    for (const auto& t : targets) {
        const Pair p = DigUntilMet(t, 11);
        ExpectSound(p);
        EXPECT_TRUE(Meets(p.puzzle, t));
        EXPECT_EQ(CountGivens(p.puzzle), t.givens);
        EXPECT_EQ(IsHalfTurnSymmetric(p.puzzle), t.symmetric);
        EXPECT_EQ(p.puzzle[kCentre] != 0, t.centre);
        EXPECT_EQ(Grade(p.puzzle), t.hardest);
    }
}

TEST(Dig, SameSeedSamePuzzle) {
    const Target t{30, true, false, Technique::HiddenSingle};
    EXPECT_EQ(DigUntilMet(t, 3).puzzle, DigUntilMet(t, 3).puzzle);
    EXPECT_NE(DigUntilMet(t, 3).puzzle, DigUntilMet(t, 4).puzzle);
}

TEST(Meets, RejectsEachWrongProperty) {
    const Target t{36, true, false, Technique::NakedSingle};
    const Pair p = DigUntilMet(t, 8);
    EXPECT_FALSE(Meets(p.puzzle, {34, true, false, Technique::NakedSingle}));
    EXPECT_FALSE(Meets(p.puzzle, {36, false, false, Technique::NakedSingle}));
    EXPECT_FALSE(Meets(p.puzzle, {36, true, true, Technique::NakedSingle}));
    EXPECT_FALSE(Meets(p.puzzle, {36, true, false, Technique::HiddenSingle}));
}

TEST(SearchSparse, FindsASymmetricPuzzleWithTheCentreGiven) {
    SparseTarget t;
    t.givens = 23;
    t.hardest = Technique::HiddenSingle;
    Rng rng(2);
    const Pair p = SearchSparse(t, rng);
    ExpectSound(p);
    EXPECT_EQ(CountGivens(p.puzzle), 23);
    EXPECT_TRUE(IsHalfTurnSymmetric(p.puzzle));
    EXPECT_NE(p.puzzle[kCentre], 0);
    EXPECT_EQ(Grade(p.puzzle), Technique::HiddenSingle);
}

} // namespace
} // namespace bankgen
