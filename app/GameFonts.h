#pragma once

#include "qt/FontBook.h"

namespace nonagra::app {

// The fonts the game's windows ask for: Garamond as the program carries it,
// with lining figures, else as Debian ships it; Arial as the program carries
// it, else as Debian ships it; without them the nearest serif or sans serif
// that has the Hungarian letters.
qt::FontBook gameFonts();

} // namespace nonagra::app
