#pragma once

#include "form/Form.h"
#include "form/Label.h"
#include "form/Line.h"

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <utility>
#include <vector>

namespace nonagra::qt {

// The windowless controls of a form on one device-pixel grid, worked out once
// per form and scale, so that painting and hit-testing read the same pixels
// without converting anything. Two labels that overlap by less than a pixel
// share one border: their common edge is snapped once, to a band as wide as
// every other thin border, instead of each rectangle rounding its own edge.
class DeviceLayout {
public:
    struct Placed {
        form::Control* control;
        form::Label* label;     // null for a line
        const form::Line* line; // null for a label
        QRect device;           // the device pixels it draws
        QRect logical;          // the whole logical pixels that hold them
        Qt::Edges underLines;   // a label's border sides that a line stands for
    };

    DeviceLayout(const form::Form& form, double dpr);

    double dpr() const { return dpr_; }
    // Topmost first, as the form stacks them.
    const std::vector<Placed>& stacking() const { return placed_; }
    // Null for a control that is not a label or a line.
    const Placed* find(const form::Control& control) const;
    // The topmost label taking input whose drawn pixels hold the pointer.
    form::Label* labelAt(QPointF logical) const;
    QRectF toLogical(const QRect& device) const;

private:
    double dpr_;
    std::vector<Placed> placed_;
    // Sorted by control, for find().
    std::vector<std::pair<const form::Control*, std::size_t>> index_;
};

} // namespace nonagra::qt
