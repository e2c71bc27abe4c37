#include "qt/EdgeRing.h"

#include "qt/Twips.h"

#include <QPalette>
#include <QTransform>

namespace nonagra::qt {

void fillEdgeRing(QPainter& painter, const QRect& rect, int logicalWidth, const QColor& colour) {
    const QTransform toDevice = painter.deviceTransform();
    const double dpr = toDevice.m11();
    const QRectF exact = toDevice.mapRect(QRectF(rect));
    const int left = nearest(exact.left());
    const int top = nearest(exact.top());
    const int right = nearest(exact.right());
    const int bottom = nearest(exact.bottom());
    const int w = deviceWidth(logicalWidth, dpr);
    const QTransform toLogical = toDevice.inverted();
    const auto fill = [&](int x1, int y1, int x2, int y2) {
        painter.fillRect(toLogical.mapRect(QRectF(x1, y1, x2 - x1, y2 - y1)), colour);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    fill(left, top, right, top + w);
    fill(left, bottom - w, right, bottom);
    fill(left, top + w, left + w, bottom - w);
    fill(right - w, top + w, right, bottom - w);
    painter.restore();
}

QColor focusRingColour(const QPalette& palette) {
    return palette.color(QPalette::Highlight).darker(125);
}

} // namespace nonagra::qt
