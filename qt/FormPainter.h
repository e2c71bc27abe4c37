#pragma once

#include "form/Label.h"
#include "form/Line.h"
#include "qt/FontBook.h"

#include <QPainter>
#include <QPalette>
#include <QRegion>

namespace nonagra::qt {

// Draws the windowless controls of a form, in device-aligned logical pixels.
class FormPainter {
public:
    // `dirty` is the area being repainted: a caption wholly outside it is
    // not laid out at all.
    FormPainter(QPainter& painter, const QPalette& palette, const FontBook& fonts, double dpr,
                const QRegion& dirty)
        : painter_(painter), palette_(palette), fonts_(fonts), dpr_(dpr), dirty_(dirty) {}

    // A label over `outer`, on device pixels where the layout placed it,
    // without the border sides that lines stand for.
    void paint(const form::Label& label, const QRectF& outer, Qt::Edges underLines = {});
    void paint(const form::Line& line);

private:
    QPainter& painter_;
    const QPalette& palette_;
    const FontBook& fonts_;
    double dpr_;
    const QRegion& dirty_;
    // The book's font the painter holds: setting a font makes the painter
    // resolve it anew, even an equal one, so labels in one font share it.
    const QFont* font_ = nullptr;
};

} // namespace nonagra::qt
