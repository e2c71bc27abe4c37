#pragma once

#include <QColor>
#include <QPalette>

namespace nonagra::qt {

// Every greyed text, the givens among them: 4.5:1 on white, as text under
// 14 points bold needs to read, and still plainly lighter than black.
inline const QColor greyedText{118, 118, 118};

// The program's one palette: Fusion's own light palette (Qt 6.4's
// QFusionStyle::standardPalette, on a ground of 239) with two changes, a
// darker highlight, 38, 112, 158 for 48, 140, 198, so that white selected
// text reads on it, and greyed text of 118 for 190. Its disabled group keeps
// the active Dark and Shadow, and placeholder text is the opaque grey.
QPalette lightPalette();

// Gives the whole program the Fusion style and the light palette, whatever
// the desktop's theme. The game draws black on its own white and cyan grounds,
// so a dark palette would leave its text unreadable there, and a desktop style
// may paint widgets in colours of its own rather than the palette's. Call it
// right after the application is made.
void useFusionWithLightPalette();

} // namespace nonagra::qt
