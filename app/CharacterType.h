#pragma once

namespace nonagra::app {

// Qt hands window titles to Xlib as UTF-8, and Xlib reads them in the C
// library's character type: in the "C" locale of a bare environment the
// accented letters of a title come out garbled in the legacy WM_NAME. Where
// the environment's character type is not UTF-8, this makes it C.UTF-8 in
// the environment, which Qt applies when it starts; the other categories
// stay as they were.
void useUtf8CharacterType();

} // namespace nonagra::app
