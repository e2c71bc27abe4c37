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

    void paint(const form::Label& label);
    void paint(const form::Line& line);

private:
    // A width of whole logical pixels, as a whole number of device pixels.
    double thickness(int logicalPixels) const;

    QPainter& painter_;
    const QPalette& palette_;
    const FontBook& fonts_;
    double dpr_;
};

} // namespace nonagra::qt
