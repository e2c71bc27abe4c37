// The main window's icon: a cyan 3 x 3 board in a black grid with four digits.
#include "UiTest.h"
#include "board/FoMenu.h"

#include <array>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace nonagra::uitest {
namespace {

constexpr form::Rgb Cyan{0, 255, 255};
constexpr form::Rgb Black{0, 0, 0};

// Pixel origin of square (column or row) 0..2: 8-pixel squares behind 2-pixel lines.
constexpr int origin(int square) {
    return 2 + square * 10;
}

struct Square {
    int Column;
    int Row;
};

// The squares that carry the digits 1, 4, 8 and 2.
constexpr std::array<Square, 4> DigitSquares{{{0, 0}, {1, 1}, {2, 1}, {1, 2}}};

class MainWindowIcon : public ::testing::Test {
protected:
    QuietPlatform platform;
    FoMenu f{platform};
    const form::Icon& icon = *f.WindowIcon;

    std::vector<bool> inkOf(Square square) const {
        std::vector<bool> ink;
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                ink.push_back(icon.at(origin(square.Column) + x, origin(square.Row) + y) == Black);
            }
        }
        return ink;
    }

    // Cyan regions of a square, four-connected: 1 for an open glyph, one more per hole.
    int cyanRegions(Square square) const {
        const std::vector<bool> ink = inkOf(square);
        std::vector<bool> seen(64, false);
        int regions = 0;
        for (int start = 0; start < 64; ++start) {
            if (ink[static_cast<std::size_t>(start)] || seen[static_cast<std::size_t>(start)]) {
                continue;
            }
            ++regions;
            std::vector<int> pending{start};
            seen[static_cast<std::size_t>(start)] = true;
            while (!pending.empty()) {
                const int at = pending.back();
                pending.pop_back();
                const int x = at % 8;
                const int y = at / 8;
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    const auto next = static_cast<std::size_t>(ny * 8 + nx);
                    if (nx >= 0 && nx < 8 && ny >= 0 && ny < 8 && !ink[next] && !seen[next]) {
                        seen[next] = true;
                        pending.push_back(ny * 8 + nx);
                    }
                }
            }
        }
        return regions;
    }
};

TEST_F(MainWindowIcon, IsThirtyTwoSquareInBlackAndCyan) {
    ASSERT_EQ(icon.Width, 32);
    ASSERT_EQ(icon.Height, 32);
    ASSERT_EQ(icon.Pixels.size(), 32u * 32u);
    for (const form::Rgb& pixel : icon.Pixels) {
        EXPECT_TRUE(pixel == Black || pixel == Cyan);
    }
}

TEST_F(MainWindowIcon, GridLinesAreTwoPixelsWideAroundAndBetweenTheSquares) {
    const std::set<int> lines{0, 1, 10, 11, 20, 21, 30, 31};
    for (int a = 0; a < 32; ++a) {
        for (int b : lines) {
            EXPECT_EQ(icon.at(a, b), Black) << a << "," << b;
            EXPECT_EQ(icon.at(b, a), Black) << b << "," << a;
        }
    }
}

TEST_F(MainWindowIcon, OnlyTheFourDigitSquaresCarryInkAndItKeepsOffTheLines) {
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            bool digit = false;
            for (const Square& square : DigitSquares) {
                digit = digit || (square.Column == column && square.Row == row);
            }
            const std::vector<bool> ink = inkOf({column, row});
            int inked = 0;
            for (int n = 0; n < 64; ++n) {
                if (ink[static_cast<std::size_t>(n)]) {
                    ++inked;
                    const int x = n % 8;
                    const int y = n / 8;
                    EXPECT_TRUE(x > 0 && x < 7 && y > 0 && y < 7)
                        << "square " << column << "," << row << " pixel " << x << "," << y;
                }
            }
            if (digit) {
                EXPECT_GE(inked, 6) << "square " << column << "," << row;
            } else {
                EXPECT_EQ(inked, 0) << "square " << column << "," << row;
            }
        }
    }
}

TEST_F(MainWindowIcon, TheDigitsAreFourDifferentGlyphsAndOnlyTheEightIsClosed) {
    std::set<std::vector<bool>> glyphs;
    for (const Square& square : DigitSquares) {
        glyphs.insert(inkOf(square));
    }
    EXPECT_EQ(glyphs.size(), 4u);
    EXPECT_EQ(cyanRegions(DigitSquares[0]), 1); // 1
    EXPECT_EQ(cyanRegions(DigitSquares[1]), 1); // 4, open at the top
    EXPECT_EQ(cyanRegions(DigitSquares[2]), 3); // 8: the margin and two loops
    EXPECT_EQ(cyanRegions(DigitSquares[3]), 1); // 2
}

TEST_F(MainWindowIcon, TheEightIsMirrorSymmetricAndTheOneIsAVerticalStroke) {
    const std::vector<bool> eight = inkOf(DigitSquares[2]);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(eight[static_cast<std::size_t>(y * 8 + x)],
                      eight[static_cast<std::size_t>(y * 8 + 7 - x)])
                << x << "," << y;
        }
    }
    const std::vector<bool> one = inkOf(DigitSquares[0]);
    int tallestColumn = 0;
    for (int x = 0; x < 8; ++x) {
        int height = 0;
        for (int y = 0; y < 8; ++y) {
            height += one[static_cast<std::size_t>(y * 8 + x)] ? 1 : 0;
        }
        tallestColumn = std::max(tallestColumn, height);
    }
    EXPECT_GE(tallestColumn, 6);
}

} // namespace
} // namespace nonagra::uitest
