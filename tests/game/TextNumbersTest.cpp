#include "board/TextNumbers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>

namespace nonagra {
namespace {

TEST(NumberFromText, ReadsDecimalsWithSignFractionExponentAndSurroundingBlanks) {
    EXPECT_EQ(numberFromText("151"), 151);
    EXPECT_EQ(numberFromText(" 3 "), 3);
    EXPECT_EQ(numberFromText("\t-2"), -2);
    EXPECT_EQ(numberFromText("+4"), 4);
    EXPECT_EQ(numberFromText("2.5"), 2.5);
    EXPECT_EQ(numberFromText(".5"), 0.5);
    EXPECT_EQ(numberFromText("1e2"), 100);
    EXPECT_EQ(numberFromText("007"), 7);
}

TEST(NumberFromText, TextThatIsNoNumberFailsWithAConversionError) {
    for (const char* text :
         {"", " ", "abc", "1x", "x1", "inf", "nan", "--1", "+-1", "1 2", "0x10", "e5", "-", "."}) {
        EXPECT_THROW(numberFromText(text), std::invalid_argument) << '"' << text << '"';
    }
}

TEST(NumberFromText, NumberBeyondDoubleRangeOverflows) {
    EXPECT_THROW(numberFromText("1e400"), std::overflow_error);
}

TEST(ToInt16, RoundsHalfToEven) {
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(-3.5), -4);
    EXPECT_EQ(toInt16(2.4999), 2);
    EXPECT_EQ(toInt16(2.5001), 3);
    EXPECT_EQ(toInt16(-32768.5), -32768);
}

TEST(ToInt16, ResultOutsideSixteenBitsOverflows) {
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_THROW(toInt16(32767.5), std::overflow_error);
    EXPECT_THROW(toInt16(-32768.6), std::overflow_error);
    EXPECT_THROW(toInt16(1e10), std::overflow_error);
    EXPECT_THROW(toInt16(std::nan("")), std::overflow_error);
    EXPECT_THROW(toInt16(INFINITY), std::overflow_error);
}

TEST(DecimalText, PlainDigitsWithoutBlankPointOrLeadingZero) {
    EXPECT_EQ(decimalText(6.0), "6");
    EXPECT_EQ(decimalText(151.0 + 1), "152");
    EXPECT_EQ(decimalText(0.0), "0");
    EXPECT_EQ(decimalText(std::int16_t{7}), "7");
    EXPECT_EQ(decimalText(std::int16_t{819}), "819");
}

TEST(CharacterAt, CountsFromOneAndReadsEmptyPastTheEnd) {
    EXPECT_EQ(characterAt("abc", 1), "a");
    EXPECT_EQ(characterAt("abc", 3), "c");
    EXPECT_EQ(characterAt("abc", 4), "");
    EXPECT_EQ(characterAt("", 1), "");
    EXPECT_EQ(characterAt("abc", 0), "");
}

} // namespace
} // namespace nonagra
