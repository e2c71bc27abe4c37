#pragma once

#include "form/Form.h"

#include <QWidget>

namespace nonagra::qt {

// The window's frame as the form describes it: title, icon, client size at
// the window's zoom, border and title-bar buttons.
void applyFrame(QWidget& window, const form::Form& form, double zoom);

// Whether the title bar offers minimizing. Some window managers offer it
// anyway; the window then undoes it, since without a taskbar entry or a
// button of its own it could not come back.
bool canMinimize(const form::Form& form);

// What must be set on the native window before every showing; the window
// manager forgets it whenever the window is withdrawn.
void prepareShowing(QWidget& window, const form::Form& form);

} // namespace nonagra::qt
