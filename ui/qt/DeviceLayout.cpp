#include "ui/qt/DeviceLayout.h"

#include "ui/qt/Twips.h"

#include <algorithm>
#include <cmath>

namespace nonagra::qt {

namespace {

// One axis of a label: its extent in twips and on the device, and its extent
// along the other axis, which decides whether two labels touch at all.
struct Extent {
    int near;
    int far;
    int acrossNear;
    int acrossFar;
    int* deviceNear;
    int* deviceFar;
};

// Where a label's far edge and a later label's near edge lie within a pixel
// of each other, the two rectangles overlap in one border line: both edges go
// to one band of `band` device pixels around the middle of the overlap.
void shareEdges(std::vector<Extent>& extents, int band, double dpr) {
    std::sort(extents.begin(), extents.end(),
              [](const Extent& a, const Extent& b) { return a.near < b.near; });
    for (const Extent& a : extents) {
        auto b = std::lower_bound(extents.begin(), extents.end(), a.far - form::TwipsPerPixel + 1,
                                  [](const Extent& e, int near) { return e.near < near; });
        for (; b != extents.end() && b->near < a.far; ++b) {
            const bool beyond = b->near > a.near && b->far > a.far;
            const bool across = a.acrossNear < b->acrossFar && b->acrossNear < a.acrossFar;
            if (beyond && across) {
                const double middle = logicalFromTwips(a.far + b->near) / 2;
                const int first = static_cast<int>(std::lround(middle * dpr - band / 2.0));
                *b->deviceNear = first;
                *a.deviceFar = first + band;
            }
        }
    }
}

QRect lineBand(const form::Line& line, double dpr) {
    const int pen = deviceWidth(line.WidthPixels, dpr);
    const int x1 = lineStart(line.From.X, pen, dpr);
    const int x2 = lineStart(line.To.X, pen, dpr);
    const int y1 = lineStart(line.From.Y, pen, dpr);
    const int y2 = lineStart(line.To.Y, pen, dpr);
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2) + pen - 1, std::max(y1, y2) + pen - 1));
}

} // namespace

DeviceLayout::DeviceLayout(const form::Form& form, double dpr) : dpr_(dpr) {
    struct Edges {
        int left, top, right, bottom;
    };
    std::vector<Edges> edges(form.stacking().size());
    std::vector<Extent> across;
    std::vector<Extent> down;
    for (std::size_t i = 0; i < form.stacking().size(); ++i) {
        form::Control* control = form.stacking()[i];
        auto* label = dynamic_cast<form::Label*>(control);
        placed_.push_back({control, label, dynamic_cast<const form::Line*>(control), {}, {}});
        index_[control] = i;
        if (label == nullptr) {
            continue;
        }
        const form::Rect& r = label->Bounds;
        Edges& e = edges[i];
        e = {deviceEdge(r.Left, dpr), deviceEdge(r.Top, dpr), deviceEdge(r.Left + r.Width, dpr),
             deviceEdge(r.Top + r.Height, dpr)};
        across.push_back({r.Left, r.Left + r.Width, r.Top, r.Top + r.Height, &e.left, &e.right});
        down.push_back({r.Top, r.Top + r.Height, r.Left, r.Left + r.Width, &e.top, &e.bottom});
    }
    const int border = deviceWidth(1, dpr);
    shareEdges(across, border, dpr);
    shareEdges(down, border, dpr);
    for (std::size_t i = 0; i < placed_.size(); ++i) {
        Placed& p = placed_[i];
        if (p.label != nullptr) {
            const Edges& e = edges[i];
            p.device = QRect(QPoint(e.left, e.top), QPoint(e.right - 1, e.bottom - 1));
        } else if (p.line != nullptr) {
            p.device = lineBand(*p.line, dpr);
        }
        p.logical = toLogical(p.device).toAlignedRect();
    }
}

const DeviceLayout::Placed* DeviceLayout::find(const form::Control& control) const {
    const auto found = index_.find(&control);
    return found == index_.end() ? nullptr : &placed_[found->second];
}

form::Label* DeviceLayout::labelAt(QPointF logical) const {
    const QPoint pixel = devicePixel(logical, dpr_);
    for (const Placed& p : placed_) {
        if (p.label != nullptr && p.label->takesInput() && p.device.contains(pixel)) {
            return p.label;
        }
    }
    return nullptr;
}

QRectF DeviceLayout::toLogical(const QRect& device) const {
    return {device.x() / dpr_, device.y() / dpr_, device.width() / dpr_, device.height() / dpr_};
}

} // namespace nonagra::qt
