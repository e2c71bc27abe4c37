#pragma once

#include "form/Geometry.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <algorithm>
#include <cmath>

namespace nonagra::qt {

// Positions in the definitions are whole twips; on screen they become
// fractional logical pixels snapped to the device grid, so a 2x screen draws
// the same layout at twice the size, more exactly, with every edge still on a
// pixel boundary.

inline double logicalFromTwips(int twips) {
    return form::pixelsFromTwips(twips);
}

// Nearest whole number, halves away from zero, as std::lround but inline:
// the layout of a form rounds a few thousand values at start-up.
inline int nearest(double v) {
    return v < 0 ? -static_cast<int>(0.5 - v) : static_cast<int>(v + 0.5);
}

// A lone edge goes to the nearest device pixel; DeviceLayout snaps the edges
// that neighbours share.
inline int deviceEdge(int twips, double dpr) {
    return nearest(logicalFromTwips(twips) * dpr);
}

// A width of whole logical pixels, as a whole number of device pixels.
inline int deviceWidth(int logicalPixels, double dpr) {
    return std::max(1, nearest(logicalPixels * dpr));
}

// A pixel coordinate names a pixel, so a line of pen width `pen` (device
// pixels) runs through pixel centres: 5 pixels wide at x it covers x-2 to x+2,
// as a pen on the original platform does. The first device pixel it covers:
inline int lineStart(int twips, int pen, double dpr) {
    return nearest((logicalFromTwips(twips) + 0.5) * dpr - pen / 2.0);
}

// Real widgets sit on whole logical pixels, each value rounded on its own:
// they share no edges, so their sizes stay as the definitions give them. A
// window drawn smaller than its definition (Fit.h) places them at its zoom.
inline QRect widgetRect(const form::Rect& r, double zoom = 1) {
    const auto px = [zoom](int twips) { return nearest(logicalFromTwips(twips) * zoom); };
    return {px(r.Left), px(r.Top), px(r.Width), px(r.Height)};
}

// The device pixel under the pointer.
inline QPoint devicePixel(QPointF logical, double dpr) {
    return {static_cast<int>(std::floor(logical.x() * dpr)),
            static_cast<int>(std::floor(logical.y() * dpr))};
}

// The pointer stands for the centre of the device pixel under it, which makes
// a hit exactly the pixels that are drawn for a rectangle.
inline QPointF pixelCentre(QPointF logical, double dpr) {
    const QPoint pixel = devicePixel(logical, dpr);
    return {(pixel.x() + 0.5) / dpr, (pixel.y() + 0.5) / dpr};
}

inline QPointF twipsAt(QPointF logical, double dpr) {
    return pixelCentre(logical, dpr) * form::TwipsPerPixel;
}

} // namespace nonagra::qt
