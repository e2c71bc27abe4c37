#include "qt/Colours.h"

#include <variant>

namespace nonagra::qt {

namespace {

QPalette::ColorRole roleOf(form::SystemColour c) {
    return c == form::SystemColour::ButtonText ? QPalette::ButtonText : QPalette::WindowText;
}

} // namespace

QColor toQColor(const form::Colour& c, const QPalette& palette, bool enabled) {
    if (const auto* system = std::get_if<form::SystemColour>(&c)) {
        return palette.color(enabled ? QPalette::Active : QPalette::Disabled, roleOf(*system));
    }
    if (!enabled) {
        return palette.color(QPalette::Disabled, QPalette::WindowText);
    }
    return toQColor(std::get<form::Rgb>(c));
}

} // namespace nonagra::qt
