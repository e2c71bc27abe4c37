#pragma once

#include "qt/DeviceLayout.h"

class QPainter;

namespace nonagra::qt {

// The keyboard's current cell: a ring just inside the cell's border, at least
// two device pixels wide, in a blue with at least 3:1 contrast against both
// the white board and the black lines.
void paintCellMark(QPainter& painter, const DeviceLayout& layout, const form::Label& cell);

} // namespace nonagra::qt
