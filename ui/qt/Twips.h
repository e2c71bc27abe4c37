#pragma once

#include "form/Geometry.h"

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <cmath>

namespace nonagra::qt {

// Positions in the definitions are whole twips; on screen they become
// fractional logical pixels snapped to the device grid, so a 2x screen draws
// the same layout at twice the size, more exactly, with every edge still on a
// pixel boundary.

inline double logicalFromTwips(int twips) {
    return form::pixelsFromTwips(twips);
}

// Each edge goes to the nearest device pixel on its own, so two cells that
// overlap by a fraction of a pixel share one border line.
inline double onDevice(double logical, double dpr) {
    return std::round(logical * dpr) / dpr;
}

inline double snapped(int twips, double dpr) {
    return onDevice(logicalFromTwips(twips), dpr);
}

inline QRectF snappedRect(const form::Rect& r, double dpr) {
    const double left = snapped(r.Left, dpr);
    const double top = snapped(r.Top, dpr);
    return {left, top, snapped(r.Left + r.Width, dpr) - left, snapped(r.Top + r.Height, dpr) - top};
}

// Real widgets sit on whole logical pixels, each value rounded on its own:
// they share no edges, so their sizes stay as the definitions give them.
inline QRect widgetRect(const form::Rect& r) {
    const auto px = [](int twips) {
        return static_cast<int>(std::lround(logicalFromTwips(twips)));
    };
    return {px(r.Left), px(r.Top), px(r.Width), px(r.Height)};
}

// The pointer stands for the centre of the device pixel under it, which makes
// a hit exactly the pixels that are drawn for a rectangle.
inline QPointF pixelCentre(QPointF logical, double dpr) {
    return {(std::floor(logical.x() * dpr) + 0.5) / dpr,
            (std::floor(logical.y() * dpr) + 0.5) / dpr};
}

inline bool covers(const form::Rect& r, QPointF logical, double dpr) {
    const QRectF drawn = snappedRect(r, dpr);
    const QPointF p = pixelCentre(logical, dpr);
    return p.x() >= drawn.left() && p.x() < drawn.right() && p.y() >= drawn.top() &&
           p.y() < drawn.bottom();
}

inline QPointF twipsAt(QPointF logical, double dpr) {
    return pixelCentre(logical, dpr) * form::TwipsPerPixel;
}

} // namespace nonagra::qt
