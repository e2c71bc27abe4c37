#include "bank/FeladvanyTabla.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace nonagra {
namespace {

class Letarolas : public ::testing::Test {
protected:
    void SetUp() override { FeladvanyLetarolas(tar); }
    FeladvanyTabla tar;
};

TEST_F(Letarolas, FillsExactlyTheSlotsOfNumbersKindsAndLevelsFromOne) {
    for (int n = 0; n < FeladvanyTabla::kSzamok; ++n)
        for (int k = 0; k < FeladvanyTabla::kFajtak; ++k)
            for (int l = 0; l < FeladvanyTabla::kSzintek; ++l) {
                const bool kitoltendo = n >= 1 && k >= 1 && l >= 1;
                EXPECT_EQ(tar.Olvas(n, k, l).size(), kitoltendo ? 81u : 0u)
                    << n << " " << k << " " << l;
            }
}

TEST_F(Letarolas, PuzzlesUseDigitsAndXAndSolutionsOnlyDigits) {
    for (int l = 1; l <= 3; ++l)
        for (int n = 1; n <= 151; ++n) {
            const auto p = tar.Olvas(n, 1, l);
            const auto s = tar.Olvas(n, 2, l);
            EXPECT_TRUE(std::all_of(p.begin(), p.end(),
                                    [](char c) { return c == 'x' || (c >= '1' && c <= '9'); }));
            EXPECT_TRUE(
                std::all_of(s.begin(), s.end(), [](char c) { return c >= '1' && c <= '9'; }));
        }
}

TEST_F(Letarolas, FilledBankIsReadOnly) {
    EXPECT_THROW(FeladvanyLetarolas(tar), std::logic_error);
}

TEST_F(Letarolas, FirstAndLastRowsStandAtTheirPlaces) {
    EXPECT_EQ(tar.Olvas(1, 1, 1),
              "93xxx67xxx6xx48xx5xx52xx1x8xxx97x5142xxxxxxx3547x61xxx7x4xx38xx3xx89xx2xxx61xxx97");
    EXPECT_EQ(tar.Olvas(1, 2, 1),
              "938516742162748935475239168683972514219485673547361289794623851351897426826154397");
    EXPECT_EQ(tar.Olvas(1, 1, 2),
              "16xxx39xxxx75x42xxxx9xxx7xxx1xx6xx7xxx39x16xxx8xx3xx9xxx8xxx1xxxx54x28xx42xxxxx39");
    EXPECT_EQ(tar.Olvas(1, 2, 2),
              "162873954837594216549126783914268375753941628286735491678359142395412867421687539");
    EXPECT_EQ(tar.Olvas(1, 1, 3),
              "51xxx39xxx7xxx6x538xxx9x1xx3x27xxxxxx5xxxxx4xxxxxx15x9xx7x4xxx514x6xxx9x2xx8xxxxx");
    EXPECT_EQ(tar.Olvas(1, 2, 3),
              "516483927974216853823597164392754681751968342468321579687149235145632798239875416");
    EXPECT_EQ(tar.Olvas(151, 1, 3),
              "xxx1xxxx74xxx2x9xxx6x5xxx236x4xx3xxxx2xxxxx4xxxx9xx7x884xxx5x9xxx3x6xxx19xxxx8xxx");
    EXPECT_EQ(tar.Olvas(151, 2, 3),
              "532194687487326915169587423694873152728651349315942768841735296253469871976218534");
}

TEST_F(Letarolas, NumberZeroOrLevelZeroReadsEmpty) {
    EXPECT_EQ(tar.Olvas(0, 1, 1), "");
    EXPECT_EQ(tar.Olvas(0, 2, 3), "");
    EXPECT_EQ(tar.Olvas(7, 1, 0), "");
    EXPECT_EQ(tar.Olvas(7, 2, 0), "");
}

} // namespace
} // namespace nonagra
