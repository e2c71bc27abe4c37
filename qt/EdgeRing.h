#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

namespace nonagra::qt {

// Fills a frame just inside a widget's rectangle, `logicalWidth` logical
// pixels wide, on whole device pixels: a widget may stand at a fractional
// device position, where a pen of fractional width would draw its sides in
// two widths.
void fillEdgeRing(QPainter& painter, const QRect& rect, int logicalWidth, const QColor& colour);

// An edge that reads on the window's cyan at 3.3:1, and on the light grounds
// of the message boxes.
inline const QColor widgetEdge{85, 85, 85};

// The focus cue of buttons and steppers: the colour in which the style frames
// a focused control, 3.3:1 on the cyan and 6:1 on a button's face.
QColor focusRingColour(const QPalette& palette);

} // namespace nonagra::qt
