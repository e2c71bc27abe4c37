#include "bank/FeladvanyTabla.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace nonagra {
namespace {

std::string UzenetOlvasaskor(const FeladvanyTabla& tar, long long n, long long k, long long l) {
    try {
        (void)tar.Olvas(n, k, l);
    } catch (const std::out_of_range& e) {
        return e.what();
    }
    return "no error";
}

TEST(FeladvanyTabla, EverySlotStartsEmpty) {
    const FeladvanyTabla tar;
    for (int n = 0; n < FeladvanyTabla::kSzamok; ++n)
        for (int k = 0; k < FeladvanyTabla::kFajtak; ++k)
            for (int l = 0; l < FeladvanyTabla::kSzintek; ++l)
                EXPECT_EQ(tar.Olvas(n, k, l), "");
}

TEST(FeladvanyTabla, StoredTextIsReadBackFromItsOwnSlotOnly) {
    FeladvanyTabla tar;
    tar.Tarol(151, 2, 3, "last");
    tar.Tarol(1, 1, 1, "first");
    EXPECT_EQ(tar.Olvas(151, 2, 3), "last");
    EXPECT_EQ(tar.Olvas(1, 1, 1), "first");
    EXPECT_EQ(tar.Olvas(151, 1, 3), "");
    EXPECT_EQ(tar.Olvas(150, 2, 3), "");
    EXPECT_EQ(tar.Olvas(151, 2, 2), "");
    EXPECT_EQ(tar.Olvas(1, 2, 1), "");
}

TEST(FeladvanyTabla, FilledSlotIsReadOnly) {
    FeladvanyTabla tar;
    tar.Tarol(5, 1, 2, "abc");
    EXPECT_THROW(tar.Tarol(5, 1, 2, "xyz"), std::logic_error);
    EXPECT_THROW(tar.Tarol(5, 1, 2, ""), std::logic_error);
    EXPECT_EQ(tar.Olvas(5, 1, 2), "abc");
}

TEST(FeladvanyTabla, IndexOutsideTheTableFailsNamingIndexAndValue) {
    const FeladvanyTabla tar;
    EXPECT_EQ(UzenetOlvasaskor(tar, 152, 1, 1),
              "FeladvanyTar: number index 152 out of range 0..151");
    EXPECT_EQ(UzenetOlvasaskor(tar, -1, 1, 1), "FeladvanyTar: number index -1 out of range 0..151");
    EXPECT_EQ(UzenetOlvasaskor(tar, 1, 3, 1), "FeladvanyTar: kind index 3 out of range 0..2");
    EXPECT_EQ(UzenetOlvasaskor(tar, 1, -2, 1), "FeladvanyTar: kind index -2 out of range 0..2");
    EXPECT_EQ(UzenetOlvasaskor(tar, 1, 1, 4), "FeladvanyTar: level index 4 out of range 0..3");
    EXPECT_EQ(UzenetOlvasaskor(tar, 1, 1, -1), "FeladvanyTar: level index -1 out of range 0..3");
    EXPECT_EQ(UzenetOlvasaskor(tar, 1LL << 40, 1, 1),
              "FeladvanyTar: number index 1099511627776 out of range 0..151");
}

TEST(FeladvanyTabla, NumberIsTestedBeforeKindAndLevel) {
    const FeladvanyTabla tar;
    EXPECT_EQ(UzenetOlvasaskor(tar, 152, 9, 4),
              "FeladvanyTar: number index 152 out of range 0..151");
    EXPECT_EQ(UzenetOlvasaskor(tar, 0, 3, -1), "FeladvanyTar: kind index 3 out of range 0..2");
}

TEST(FeladvanyTabla, StoringOutsideTheTableFails) {
    FeladvanyTabla tar;
    EXPECT_THROW(tar.Tarol(152, 1, 1, "a"), std::out_of_range);
    EXPECT_THROW(tar.Tarol(1, 1, 4, "a"), std::out_of_range);
}

} // namespace
} // namespace nonagra
