#pragma once

#include "form/Rgb.h"

#include <QColor>
#include <QPalette>

namespace nonagra::qt {

inline QColor toQColor(const form::Rgb& c) {
    return {c.Red, c.Green, c.Blue};
}

// System colours follow the palette; a disabled control draws in the palette's
// disabled variant of its role, fixed colours included.
QColor toQColor(const form::Colour& c, const QPalette& palette, bool enabled = true);

} // namespace nonagra::qt
