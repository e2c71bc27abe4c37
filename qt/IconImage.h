#pragma once

#include "form/Icon.h"

#include <QImage>

namespace nonagra::qt {

// The icon's exact pixels as an image, for the window and for the desktop.
QImage iconImage(const form::Icon& icon);

} // namespace nonagra::qt
