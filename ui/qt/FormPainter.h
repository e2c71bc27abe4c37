#pragma once

#include "form/Label.h"
#include "form/Line.h"
#include "ui/qt/FontBook.h"

#include <QPainter>
#include <QPalette>

namespace nonagra::qt {

// Draws the windowless controls of a form, in device-aligned logical pixels.
class FormPainter {
public:
    FormPainter(QPainter& painter, const QPalette& palette, const FontBook& fonts, double dpr)
        : painter_(painter), palette_(palette), fonts_(fonts), dpr_(dpr) {}

    // A label over `outer`, on device pixels where the layout placed it.
    void paint(const form::Label& label, const QRectF& outer);
    void paint(const form::Line& line);

private:
    QPainter& painter_;
    const QPalette& palette_;
    const FontBook& fonts_;
    double dpr_;
};

} // namespace nonagra::qt
