#pragma once

namespace nonagra::form {

// Layout unit: 1/1440 inch, 15 to the pixel at 96 dpi. Whole twips keep every
// fractional pixel position of the definitions exact.
inline constexpr int TwipsPerPixel = 15;

constexpr double pixelsFromTwips(int twips) {
    return static_cast<double>(twips) / TwipsPerPixel;
}

struct Rect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    constexpr bool contains(int x, int y) const {
        return x >= Left && x < Left + Width && y >= Top && y < Top + Height;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    int X = 0;
    int Y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

} // namespace nonagra::form
