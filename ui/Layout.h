// Pixel values of the window definitions, turned into the whole twips the controls keep.
#pragma once

#include "form/Geometry.h"

namespace nonagra::ui {

// The layout is written in pixels at 96 dpi; every value is a whole number of
// twips except two line ends that lie on a half twip, which round up.
constexpr int twips(double pixels) {
    return static_cast<int>(pixels * form::TwipsPerPixel + 0.5);
}

constexpr form::Rect twips(double left, double top, double width, double height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

constexpr form::Point twipsPoint(double x, double y) {
    return {twips(x), twips(y)};
}

} // namespace nonagra::ui
