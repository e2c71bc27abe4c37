#pragma once

#include <string>

namespace nonagra::form {

// A font as the window definitions request it; the adapter maps the family to
// an installed one with the Central European letters.
struct Font {
    std::string Name;
    double SizePoints = 0;
    bool Bold = false;
    bool Underline = false;

    friend bool operator==(const Font&, const Font&) = default;
};

} // namespace nonagra::form
