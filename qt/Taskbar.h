#pragma once

#include <QWidget>

namespace nonagra::qt {

// Asks the window manager to leave the window out of the taskbar. Qt has no
// flag for it on X11; on other platforms this does nothing.
void skipTaskbar(QWidget& window);

} // namespace nonagra::qt
