#include "qt/CellMark.h"

#include "qt/Twips.h"

#include <QPainter>
#include <algorithm>

namespace nonagra::qt {

void paintCellMark(QPainter& painter, const DeviceLayout& layout, const form::Label& cell) {
    const DeviceLayout::Placed* placed = layout.find(cell);
    if (placed == nullptr) {
        return;
    }
    const double dpr = layout.dpr();
    const int border = deviceWidth(1, dpr);
    const int ring = std::max(2, deviceWidth(2, dpr));
    const QRect inside = placed->device.adjusted(border, border, -border, -border);
    // Relative luminance 0.14: 5.5:1 against white, 3.8:1 against black.
    const QColor blue(0, 102, 204);
    const QRect bands[] = {
        {inside.left(), inside.top(), inside.width(), ring},
        {inside.left(), inside.bottom() - ring + 1, inside.width(), ring},
        {inside.left(), inside.top(), ring, inside.height()},
        {inside.right() - ring + 1, inside.top(), ring, inside.height()},
    };
    for (const QRect& band : bands) {
        painter.fillRect(layout.toLogical(band), blue);
    }
}

} // namespace nonagra::qt
