#pragma once

#include "form/Rgb.h"

#include <vector>

namespace nonagra::form {

// A window icon as exact pixels, row by row from the top left.
struct Icon {
    int Width = 0;
    int Height = 0;
    std::vector<Rgb> Pixels;

    const Rgb& at(int x, int y) const { return Pixels[static_cast<std::size_t>(y * Width + x)]; }
};

} // namespace nonagra::form
