#include "tools/bankgen/BankFile.h"

#include "TestGrids.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace bankgen {
namespace {

const std::string kGoodLine =
    std::string(testing::kEasy) + " " + std::string(testing::kEasySolution);

std::string FaultOf(const std::string& text) {
    std::istringstream in(text);
    return ReadBank(in).fault;
}

TEST(ReadBank, ReadsEveryLineInOrder) {
    std::istringstream in(kGoodLine + "\n" + std::string(testing::kHardest) + " " +
                          std::string(testing::kHardestSolution) + "\n");
    const BankRead read = ReadBank(in);
    ASSERT_EQ(read.fault, "");
    ASSERT_EQ(read.pairs.size(), 2u);
    EXPECT_EQ(BankLine(read.pairs[0]), kGoodLine);
    EXPECT_EQ(PuzzleText(read.pairs[1].puzzle), testing::kHardest);
}

TEST(ReadBank, NamesTheLineAndTheFault) {
    const std::string good = kGoodLine + "\n";
    EXPECT_EQ(FaultOf(good + "garbage\n"),
              "line 2: expected \"PUZZLE SOLUTION\" separated by one space");
    EXPECT_EQ(FaultOf(good + good + kGoodLine + " extra\n"),
              "line 3: expected \"PUZZLE SOLUTION\" separated by one space");
    EXPECT_EQ(FaultOf(good + kGoodLine.substr(1) + "\n"), "line 2: puzzle: length 80, expected 81");
    EXPECT_EQ(FaultOf(kGoodLine + "7\n"), "line 1: solution: length 82, expected 81");
    std::string badChar = kGoodLine;
    badChar[3] = 'X';
    EXPECT_EQ(FaultOf(badChar + "\n"), "line 1: puzzle: bad character 'X' at position 4");
    std::string emptyInSolution = kGoodLine;
    emptyInSolution[82 + 9] = 'x';
    EXPECT_EQ(FaultOf(emptyInSolution), "line 1: solution: bad character 'x' at position 10");
    EXPECT_EQ(FaultOf(kGoodLine + "\r\n"), "line 1: solution: length 82, expected 81");
}

TEST(ReadBankFile, MissingFileIsAFault) {
    EXPECT_NE(ReadBankFile("/nonexistent/bank.txt").fault, "");
}

class AtomicWrite : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("bankgen-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    static std::string Contents(const std::filesystem::path& p) {
        std::ifstream in(p);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::filesystem::path dir;
};

TEST_F(AtomicWrite, ReplacesTheWholeFileAndLeavesNoTemporary) {
    const auto path = dir / "out.txt";
    std::ofstream(path) << "old contents that are longer than the new ones\n";
    EXPECT_EQ(WriteLinesAtomically(path.string(), {"a", "b"}), "");
    EXPECT_EQ(Contents(path), "a\nb\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(AtomicWrite, FailureLeavesTheExistingFileUntouched) {
    const auto path = dir / "out.txt";
    std::ofstream(path) << "keep\n";
    // The temporary's name is taken by a directory, so it cannot be written.
    std::filesystem::create_directory(dir / "out.txt.tmp");
    EXPECT_NE(WriteLinesAtomically(path.string(), {"new"}), "");
    EXPECT_EQ(Contents(path), "keep\n");
    EXPECT_NE(WriteLinesAtomically((dir / "no-such-dir" / "x.txt").string(), {"new"}), "");
}

} // namespace
} // namespace bankgen
