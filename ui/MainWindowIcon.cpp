// The main window's icon: cyan squares in a black grid, four of them with a digit.
#include "ui/MainWindowIcon.h"

#include "form/Rgb.h"

#include <array>
#include <string_view>

namespace nonagra::ui {

namespace {

constexpr int IconSize = 32;
constexpr int LineWidth = 2;
constexpr int SquareSize = 8;
constexpr form::Rgb Cyan{0, 255, 255};

// 4 x 6 glyphs, centred in their 8 x 8 square so that a cyan margin keeps them
// apart from the grid lines.
constexpr int GlyphWidth = 4;
constexpr int GlyphHeight = 6;
using Glyph = std::array<std::string_view, GlyphHeight>;

struct Digit {
    int Column;
    int Row;
    Glyph Shape;
};

constexpr std::array<Digit, 4> Digits{{
    {0, 0, {"..#.", ".##.", "..#.", "..#.", "..#.", ".###"}},
    {1, 1, {"#..#", "#..#", "#..#", "####", "...#", "...#"}},
    {2, 1, {".##.", "#..#", ".##.", "#..#", "#..#", ".##."}},
    {1, 2, {".##.", "#..#", "...#", "..#.", ".#..", "####"}},
}};

constexpr int squareOrigin(int square) {
    return LineWidth + square * (SquareSize + LineWidth);
}

} // namespace

form::Icon mainWindowIcon() {
    form::Icon icon{IconSize, IconSize,
                    std::vector<form::Rgb>(IconSize * IconSize, form::colours::Black)};
    auto set = [&icon](int x, int y, form::Rgb colour) {
        icon.Pixels[static_cast<std::size_t>(y * IconSize + x)] = colour;
    };
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            for (int y = 0; y < SquareSize; ++y) {
                for (int x = 0; x < SquareSize; ++x) {
                    set(squareOrigin(column) + x, squareOrigin(row) + y, Cyan);
                }
            }
        }
    }
    constexpr int glyphLeft = (SquareSize - GlyphWidth) / 2;
    constexpr int glyphTop = (SquareSize - GlyphHeight) / 2;
    for (const Digit& digit : Digits) {
        for (int y = 0; y < GlyphHeight; ++y) {
            for (int x = 0; x < GlyphWidth; ++x) {
                if (digit.Shape[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#') {
                    set(squareOrigin(digit.Column) + glyphLeft + x,
                        squareOrigin(digit.Row) + glyphTop + y, form::colours::Black);
                }
            }
        }
    }
    return icon;
}

} // namespace nonagra::ui
