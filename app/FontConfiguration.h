#pragma once

namespace nonagra::app {

// Makes fontconfig's configuration, the same the system would give, the
// current one before Qt asks for a font. Qt's first font otherwise has
// fontconfig start itself, and fontconfig's own start also reads every
// configuration file the system has available but does not use, only to
// describe them (fc-conflist shows them); that reading alone is a tenth of
// the game's start. Returns false, changing nothing, when the configuration
// cannot be loaded here or names no cache directory: fontconfig's own start,
// with its fallbacks and warnings, then takes place as before.
bool loadFontConfiguration();

} // namespace nonagra::app
