#pragma once

#include <QSize>

class QScreen;

namespace nonagra::qt {

// The zoom at which a window with this client area, in logical pixels, fits
// the screen's available area together with its frame: 1 where it fits as it
// is, else the largest that fits. A fixed window larger than the screen could
// not be played; drawn smaller, it keeps its proportions, and since the
// layout snaps to the device grid at any scale, its crispness.
double fittingZoom(QSize client, const QScreen* screen);

} // namespace nonagra::qt
