#include "qt/Fit.h"

#include <QRect>
#include <QScreen>
#include <algorithm>

namespace nonagra::qt {

namespace {

// Room for the window manager's frame, which is unknown until the window is
// mapped: a title bar and borders as the usual frames draw them.
constexpr int frameWidth = 16;
constexpr int frameHeight = 40;

} // namespace

double fittingZoom(QSize client, const QScreen* screen) {
    if (screen == nullptr || client.isEmpty()) {
        return 1;
    }
    const QRect room = screen->availableGeometry();
    const double across = static_cast<double>(room.width() - frameWidth) / client.width();
    const double down = static_cast<double>(room.height() - frameHeight) / client.height();
    return std::clamp(std::min(across, down), 0.1, 1.0);
}

} // namespace nonagra::qt
