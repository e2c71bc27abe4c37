#include "tools/bankgen/Verify.h"

#include "TestGrids.h"
#include "tools/bankgen/BankFile.h"
#include "tools/bankgen/Grader.h"
#include "tools/bankgen/Solver.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

namespace bankgen {
namespace {

// Each test breaks one requirement of the committed bank and expects
// exactly the checks about that requirement to fail.
class VerifyTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        bank = new std::vector<Pair>(ReadBankFile(BANKGEN_TEST_BANK).pairs);
    }
    static void TearDownTestSuite() { delete bank; }

    static std::vector<std::string> Failing(const std::vector<Pair>& pairs) {
        std::vector<std::string> names;
        for (const auto& c : VerifyBank(pairs).checks) {
            if (!c.ok)
                names.push_back(c.name);
        }
        return names;
    }

    static std::vector<Pair>* bank;
};
std::vector<Pair>* VerifyTest::bank = nullptr;

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(VerifyTest, CommittedBankPasses) {
    ASSERT_EQ(bank->size(), 453u);
    EXPECT_THAT(Failing(*bank), IsEmpty());
}

TEST_F(VerifyTest, WrongCountFailsAlone) {
    auto pairs = *bank;
    pairs.pop_back();
    EXPECT_THAT(Failing(pairs), ElementsAre("pairs in the bank"));
}

TEST_F(VerifyTest, SwappingTwoPuzzlesOfALevelBreaksOnlyTheFixedPlaces) {
    auto pairs = *bank;
    std::swap(pairs[SlotOf(3, 151)], pairs[SlotOf(3, 150)]);
    const auto failing = Failing(pairs);
    EXPECT_THAT(failing, ::testing::Contains("fixed pairs differing"));
    EXPECT_THAT(failing, ::testing::Not(::testing::Contains("level 3 givens histogram")));
}

TEST_F(VerifyTest, AGivenDisagreeingWithItsSolutionIsCaught) {
    auto pairs = *bank;
    Pair& p = pairs[SlotOf(2, 77)];
    const int cell =
        static_cast<int>(std::find_if(p.puzzle.begin(), p.puzzle.end(), [](auto v) { return v; }) -
                         p.puzzle.begin());
    p.puzzle[cell] = static_cast<std::uint8_t>(p.puzzle[cell] % 9 + 1);
    EXPECT_THAT(Failing(pairs), ::testing::Contains("givens disagreeing with solution"));
}

TEST_F(VerifyTest, ABrokenSolutionGridIsCaught) {
    auto pairs = *bank;
    std::swap(pairs[SlotOf(1, 50)].solution[0], pairs[SlotOf(1, 50)].solution[1]);
    EXPECT_THAT(Failing(pairs), ::testing::Contains("solution not a complete grid"));
}

TEST_F(VerifyTest, APuzzleWithTwoCompletionsIsCaught) {
    auto pairs = *bank;
    Pair& p = pairs[SlotOf(1, 40)];
    // Blanking a level-1 puzzle to its first 17 givens leaves many completions.
    int kept = 0;
    for (auto& v : p.puzzle) {
        if (v && ++kept > 17)
            v = 0;
    }
    ASSERT_EQ(CountSolutions(p.puzzle), 2);
    const auto failing = Failing(pairs);
    EXPECT_THAT(failing, ::testing::Contains("completions other than one"));
    EXPECT_THAT(failing, ::testing::Contains("empty cells outside 43..62"));
}

TEST_F(VerifyTest, ADisguisedCopyIsCaughtAsEquivalent) {
    auto pairs = *bank;
    const Pair& original = pairs[SlotOf(3, 60)];
    Pair copy{testing::Rename(testing::Transpose(original.puzzle), 3),
              testing::Rename(testing::Transpose(original.solution), 3)};
    pairs[SlotOf(3, 61)] = copy;
    const auto failing = Failing(pairs);
    EXPECT_THAT(failing, ::testing::Contains("equivalent pairs of puzzles"));
    EXPECT_THAT(failing, ::testing::Not(::testing::Contains("puzzle string repeated")));
}

TEST_F(VerifyTest, ARepeatedPairIsCaught) {
    auto pairs = *bank;
    pairs[SlotOf(2, 100)] = pairs[SlotOf(3, 100)];
    const auto failing = Failing(pairs);
    EXPECT_THAT(failing, ::testing::Contains("puzzle string repeated"));
    EXPECT_THAT(failing, ::testing::Contains("solution string repeated"));
}

TEST_F(VerifyTest, MovingALevelTwoSparsePuzzleBreaksItsPlaceRules) {
    auto pairs = *bank;
    std::swap(pairs[SlotOf(2, 14)], pairs[SlotOf(2, 16)]);
    const auto failing = Failing(pairs);
    EXPECT_THAT(failing, ::testing::Contains("level 2 centre given at"));
    EXPECT_THAT(failing, ::testing::Contains("level 2 19 givens at"));
    EXPECT_THAT(failing, ::testing::Not(::testing::Contains("level 2 givens histogram")));
}

TEST_F(VerifyTest, AHarderPuzzleInLevelOneBreaksItsProfile) {
    auto pairs = *bank;
    int harder = SlotOf(3, 2);
    while (Grade(pairs[harder].puzzle) == Technique::NakedSingle)
        ++harder;
    std::swap(pairs[SlotOf(1, 3)], pairs[harder]);
    const auto failing = Failing(pairs);
    EXPECT_THAT(failing, ::testing::Contains("level 1 hardest technique (NS HS LC PT XW beyond)"));
    EXPECT_THAT(failing, ::testing::Contains("level 1 givens histogram"));
}

TEST_F(VerifyTest, TheRampAndTheSeparationAreChecked) {
    auto pairs = *bank;
    std::swap(pairs[SlotOf(1, 10)], pairs[SlotOf(1, 100)]);
    EXPECT_THAT(Failing(pairs), ElementsAre("level 1 free places by rating (rank correlation)"));
    auto levels = *bank;
    std::swap_ranges(levels.begin(), levels.begin() + kPerLevel, levels.begin() + kPerLevel);
    EXPECT_THAT(Failing(levels), ::testing::Contains("levels 1-2 overlap by rating"));
}

TEST_F(VerifyTest, TheReportShowsMeasuredBesideTarget) {
    auto pairs = *bank;
    std::swap(pairs[SlotOf(1, 3)], pairs[SlotOf(2, 3)]);
    std::ostringstream out;
    PrintReport(VerifyBank(pairs), out);
    EXPECT_NE(out.str().find("FAIL level 1 givens histogram"), std::string::npos);
    EXPECT_NE(out.str().find("target: 36:127 38:24"), std::string::npos);
    EXPECT_NE(out.str().find("bank does NOT meet the requirements"), std::string::npos);
}

} // namespace
} // namespace bankgen
