#include "qt/DeviceLayout.h"

#include "qt/Twips.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

namespace nonagra::qt {

namespace {

// One axis of a label in twips: its extent, and its extent along the other
// axis, which decides whether two labels meet at all.
struct Span {
    int near;
    int far;
    int acrossNear;
    int acrossFar;
};

// Sorts as the coordinate, then the label's number: packed, so that sorting
// a board's worth of labels stays cheap.
std::uint64_t key(int coordinate, std::size_t label) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(coordinate) ^ 0x80000000U) << 32 |
           label;
}

// Where a label's far edge and a later label's near edge lie within a pixel
// of each other, the two rectangles overlap in one border line: both edges go
// to one band of `band` device pixels around the middle of the overlap.
void shareEdges(const std::vector<Span>& spans, std::vector<int>& deviceNear,
                std::vector<int>& deviceFar, int band, double dpr) {
    std::vector<std::uint64_t> byNear(spans.size());
    for (std::size_t i = 0; i < spans.size(); ++i) {
        byNear[i] = key(spans[i].near, i);
    }
    std::sort(byNear.begin(), byNear.end());
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const Span& a = spans[i];
        auto b =
            std::lower_bound(byNear.begin(), byNear.end(), key(a.far - form::TwipsPerPixel + 1, 0));
        for (; b != byNear.end() && *b < key(a.far, 0); ++b) {
            const std::size_t j = *b & 0xFFFFFFFFU;
            const Span& s = spans[j];
            const bool beyond = s.near > a.near && s.far > a.far;
            const bool across = a.acrossNear < s.acrossFar && s.acrossNear < a.acrossFar;
            if (beyond && across) {
                const double middle = logicalFromTwips(a.far + s.near) / 2;
                deviceNear[j] = nearest(middle * dpr - band / 2.0);
                deviceFar[i] = deviceNear[j] + band;
            }
        }
    }
}

// Pointers of different controls compare only through std::less.
bool byControl(const std::pair<const form::Control*, std::size_t>& a,
               const std::pair<const form::Control*, std::size_t>& b) {
    return std::less<const form::Control*>()(a.first, b.first);
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

// Device pixels between two runs of pixels, none where they meet or overlap.
int gapBetween(int firstNear, int firstFar, int secondNear, int secondFar) {
    return std::max({0, secondNear - firstFar - 1, firstNear - secondFar - 1});
}

// The sides of a bordered label along which a line runs over or within a
// logical pixel of its border: the line stands for the border there, so the
// border is left out rather than drawn beside the line, widening it.
Qt::Edges edgesUnderLines(const QRect& label, const std::vector<QRect>& bands, int border,
                          int near) {
    Qt::Edges covered;
    for (const QRect& band : bands) {
        const bool vertical = band.height() > band.width();
        const bool along = vertical ? band.top() < label.bottom() && label.top() < band.bottom()
                                    : band.left() < label.right() && label.left() < band.right();
        if (!along) {
            continue;
        }
        const int bandNear = vertical ? band.left() : band.top();
        const int bandFar = vertical ? band.right() : band.bottom();
        const int labelNear = vertical ? label.left() : label.top();
        const int labelFar = vertical ? label.right() : label.bottom();
        if (gapBetween(labelNear, labelNear + border - 1, bandNear, bandFar) < near) {
            covered |= vertical ? Qt::LeftEdge : Qt::TopEdge;
        }
        if (gapBetween(labelFar - border + 1, labelFar, bandNear, bandFar) < near) {
            covered |= vertical ? Qt::RightEdge : Qt::BottomEdge;
        }
    }
    return covered;
}

} // namespace

DeviceLayout::DeviceLayout(const form::Form& form, double dpr) : dpr_(dpr) {
    const std::vector<form::Control*>& stacking = form.stacking();
    placed_.reserve(stacking.size());
    index_.reserve(stacking.size());
    std::vector<std::size_t> labelSlots;
    std::vector<Span> across;
    std::vector<Span> down;
    labelSlots.reserve(stacking.size());
    across.reserve(stacking.size());
    down.reserve(stacking.size());
    for (form::Control* control : stacking) {
        index_.emplace_back(control, placed_.size());
        if (auto* label = dynamic_cast<form::Label*>(control)) {
            const form::Rect& r = label->Bounds;
            labelSlots.push_back(placed_.size());
            across.push_back({r.Left, r.Left + r.Width, r.Top, r.Top + r.Height});
            down.push_back({r.Top, r.Top + r.Height, r.Left, r.Left + r.Width});
            placed_.push_back({control, label, nullptr, {}, {}, {}});
        } else {
            const auto* line = dynamic_cast<const form::Line*>(control);
            placed_.push_back(
                {control, nullptr, line, line ? lineBand(*line, dpr) : QRect(), {}, {}});
        }
    }
    std::sort(index_.begin(), index_.end(), byControl);

    const auto edges = [dpr](const std::vector<Span>& spans, bool far) {
        std::vector<int> device(spans.size());
        for (std::size_t i = 0; i < spans.size(); ++i) {
            device[i] = deviceEdge(far ? spans[i].far : spans[i].near, dpr);
        }
        return device;
    };
    std::vector<int> left = edges(across, false);
    std::vector<int> right = edges(across, true);
    std::vector<int> top = edges(down, false);
    std::vector<int> bottom = edges(down, true);
    const int border = deviceWidth(1, dpr);
    shareEdges(across, left, right, border, dpr);
    shareEdges(down, top, bottom, border, dpr);
    std::vector<QRect> bands;
    for (const Placed& p : placed_) {
        if (p.line != nullptr) {
            bands.push_back(p.device);
        }
    }
    const int near = deviceWidth(1, dpr);
    for (std::size_t i = 0; i < labelSlots.size(); ++i) {
        Placed& p = placed_[labelSlots[i]];
        p.device = QRect(QPoint(left[i], top[i]), QPoint(right[i] - 1, bottom[i] - 1));
        if (p.label->Border == form::BorderStyle::FixedSingle) {
            p.underLines = edgesUnderLines(p.device, bands, border, near);
        }
    }

    // The whole logical pixels that hold a device rectangle.
    const auto below = [dpr](int device) { return static_cast<int>(std::floor(device / dpr)); };
    const auto above = [dpr](int device) { return static_cast<int>(std::ceil(device / dpr)); };
    for (Placed& p : placed_) {
        const QRect& d = p.device;
        p.logical = QRect(QPoint(below(d.left()), below(d.top())),
                          QPoint(above(d.right() + 1) - 1, above(d.bottom() + 1) - 1));
    }
}

const DeviceLayout::Placed* DeviceLayout::find(const form::Control& control) const {
    const auto found =
        std::lower_bound(index_.begin(), index_.end(),
                         std::pair<const form::Control*, std::size_t>(&control, 0), byControl);
    return found == index_.end() || found->first != &control ? nullptr : &placed_[found->second];
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
