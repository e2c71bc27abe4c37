#pragma once

namespace nonagra::app {

// Qt hands window titles to Xlib as UTF-8, and Xlib reads them in the C
// library's character type: in the "C" locale of a bare environment the
// accented letters of a title come out garbled in the legacy WM_NAME. Where
// the environment's character type is not UTF-8, this makes it C.UTF-8 in
// the environment, which Qt applies when it starts; the other categories
// stay as they were. Qt 6.4, Debian 12's, takes the character type as it
// finds it; from Qt 6.5 on, QCoreApplication switches a non-UTF-8 one to
// UTF-8 itself (with a warning), and this is no longer needed.
void useUtf8CharacterType();

} // namespace nonagra::app
