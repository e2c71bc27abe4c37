#include "tools/bankgen/Cli.h"

#include "TestGrids.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace bankgen {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

bool ShowsUsage(const Outcome& r) {
    return r.status == 2 && r.err.find("usage: bankgen") != std::string::npos;
}

TEST(Cli, WrongArgumentsGetTheUsage) {
    EXPECT_TRUE(ShowsUsage(Cli({})));
    EXPECT_TRUE(ShowsUsage(Cli({"frobnicate"})));
    EXPECT_TRUE(ShowsUsage(Cli({"verify", "a.txt", "b.txt"})));
    EXPECT_TRUE(ShowsUsage(Cli({"grade"})));
    EXPECT_TRUE(ShowsUsage(Cli({"rate", "a.txt", "b.txt"})));
    EXPECT_TRUE(ShowsUsage(Cli({"generate", "-o", "x.txt"})));
    EXPECT_TRUE(ShowsUsage(Cli({"generate", "--seed", "1"})));
    EXPECT_TRUE(ShowsUsage(Cli({"generate", "--seed", "12ab", "-o", "x.txt"})));
    EXPECT_TRUE(ShowsUsage(Cli({"generate", "--seed", "-3", "-o", "x.txt"})));
    EXPECT_TRUE(ShowsUsage(Cli({"generate", "--seed", "1", "--threads", "0", "-o", "x.txt"})));
    EXPECT_TRUE(ShowsUsage(Cli({"generate", "--seed", "1", "--colour", "red", "-o", "x.txt"})));
    EXPECT_TRUE(ShowsUsage(Cli({"generate", "--seed", "1", "-o"})));
    EXPECT_TRUE(ShowsUsage(Cli({"generate", "--seed", "1", "--count", "5", "-o", "x.txt"})));
    EXPECT_TRUE(ShowsUsage(Cli({"benchset", "--seed", "1", "--count", "0", "-o", "x.txt"})));
}

TEST(Cli, UsageNamesTheFault) {
    EXPECT_NE(Cli({"generate", "--seed", "1"}).err.find("-o FILE is required"), std::string::npos);
    EXPECT_NE(Cli({"frobnicate"}).err.find("unknown command frobnicate"), std::string::npos);
}

TEST(Cli, GradeReportsTheHardestTechnique) {
    const Outcome r = Cli({"grade", std::string(testing::kHardest)});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("givens: 28"), std::string::npos);
    EXPECT_NE(r.out.find("hardest technique: beyond"), std::string::npos);
    EXPECT_NE(r.out.find("half-turn symmetric: no"), std::string::npos);
}

TEST(Cli, RateShowsEachPairsHardestStepEffortAndTechniques) {
    const Outcome r = Cli({"rate", BANKGEN_TEST_BANK});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 454);
    // Level 3 number 1 needs more than every listed technique.
    const auto hardest = r.out.find("\n3 1 7.0 ");
    ASSERT_NE(hardest, std::string::npos);
    EXPECT_NE(r.out.find("forcing: ", hardest), std::string::npos);
    EXPECT_EQ(Cli({"rate", "/nonexistent/bank.txt"}).status, 1);
}

TEST(Cli, GradeRejectsBadPuzzles) {
    const Outcome shortOne = Cli({"grade", "12x"});
    EXPECT_EQ(shortOne.status, 1);
    EXPECT_NE(shortOne.err.find("length 3, expected 81"), std::string::npos);
    const Outcome open = Cli({"grade", std::string(81, 'x')});
    EXPECT_EQ(open.status, 1);
    EXPECT_NE(open.out.find("completions: 2 or more"), std::string::npos);
}

class CliFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("bankgen-cli-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string File(const std::string& name, const std::string& text) {
        const auto p = dir / name;
        std::ofstream(p, std::ios::binary) << text;
        return p.string();
    }
    std::filesystem::path dir;
};

TEST_F(CliFiles, VerifyNamesTheBadLine) {
    const std::string good =
        std::string(testing::kEasy) + " " + std::string(testing::kEasySolution) + "\n";
    const Outcome r = Cli({"verify", File("bad.txt", good + good + "93xx 1234\n")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("line 3: puzzle: length 4, expected 81"), std::string::npos);
}

TEST_F(CliFiles, VerifyFailsOnAWellFormedButWrongBank) {
    const std::string good =
        std::string(testing::kEasy) + " " + std::string(testing::kEasySolution) + "\n";
    const Outcome r = Cli({"verify", File("short.txt", good)});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("FAIL pairs in the bank"), std::string::npos);
}

TEST_F(CliFiles, VerifyOfAMissingFileFails) {
    const Outcome r = Cli({"verify", (dir / "none.txt").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot be opened"), std::string::npos);
}

TEST_F(CliFiles, BenchSetWritesMinimalSymmetricPuzzlesWhateverTheThreads) {
    const auto one = (dir / "one.txt").string(), two = (dir / "two.txt").string();
    ASSERT_EQ(Cli({"benchset", "--seed", "5", "--count", "6", "-o", one}).status, 0);
    ASSERT_EQ(Cli({"benchset", "--seed", "5", "--count", "6", "--threads", "2", "-o", two}).status,
              0);
    std::ifstream a(one), b(two);
    std::stringstream sa, sb;
    sa << a.rdbuf();
    sb << b.rdbuf();
    EXPECT_EQ(sa.str(), sb.str());
    std::istringstream lines(sa.str());
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        const Outcome graded = Cli({"grade", line});
        EXPECT_EQ(graded.status, 0) << line;
        EXPECT_NE(graded.out.find("half-turn symmetric: yes"), std::string::npos);
    }
    EXPECT_EQ(count, 6);
}

TEST_F(CliFiles, GenerateIntoAMissingDirectoryFailsWithoutOutput) {
    const auto target = dir / "missing" / "bank.txt";
    // A cheap way to reach the write: the usage check passes, the write fails.
    const Outcome r = Cli({"benchset", "--seed", "1", "--count", "1", "-o", target.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot be written"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(target));
}

} // namespace
} // namespace bankgen
