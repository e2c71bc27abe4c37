#pragma once

#include <QColor>
#include <QPalette>

namespace nonagra::qt {

// Greyed text as the classic desktop draws it: plainly lighter than black,
// still 3.9:1 on white.
inline const QColor greyedText{128, 128, 128};

// The program's one palette: black text on light grounds, as the default
// scheme has it, with greyed text that reads.
QPalette lightPalette();

// Gives the whole program the light palette and the Fusion style, whatever
// the desktop's theme. The game draws black on its own white and cyan grounds,
// so a dark palette would leave its text unreadable there, and a desktop style
// may paint widgets in colours of its own rather than the palette's. Call it
// right after the application is made.
void useLightPalette();

} // namespace nonagra::qt
