// The bank as the game holds it, checked against every content requirement
// with bankgen's solver, grader and canonical form.
#include "bank/FeladvanyTabla.h"
#include "tools/bankgen/Verify.h"

#include <gtest/gtest.h>

namespace nonagra {
namespace {

class BankContent : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        FeladvanyTabla tar;
        FeladvanyLetarolas(tar);
        std::vector<bankgen::Pair> pairs;
        for (int level = 1; level <= 3; ++level)
            for (int number = 1; number <= 151; ++number)
                pairs.push_back({*bankgen::ParsePuzzle(tar.Olvas(number, 1, level)),
                                 *bankgen::ParseSolution(tar.Olvas(number, 2, level))});
        report = new bankgen::VerifyReport(bankgen::VerifyBank(pairs));
    }
    static void TearDownTestSuite() { delete report; }
    static bankgen::VerifyReport* report;
};
bankgen::VerifyReport* BankContent::report = nullptr;

TEST_F(BankContent, MeetsEveryRequirement) {
    ASSERT_GT(report->checks.size(), 20u);
    for (const auto& c : report->checks)
        EXPECT_TRUE(c.ok) << c.name << ": measured " << c.measured << ", target " << c.target;
}

} // namespace
} // namespace nonagra
