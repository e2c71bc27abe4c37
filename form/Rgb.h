#pragma once

#include <cstdint>
#include <variant>

namespace nonagra::form {

struct Rgb {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Colours that follow the desktop's colour scheme rather than a fixed value.
enum class SystemColour { WindowText, ButtonText };

using Colour = std::variant<Rgb, SystemColour>;

namespace colours {
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Yellow{255, 255, 0};
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb WindowBackground{0, 192, 192};
} // namespace colours

} // namespace nonagra::form
