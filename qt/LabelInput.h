#pragma once

#include "form/Label.h"
#include "qt/EventGate.h"

namespace nonagra::qt {

// A label's input as the mouse gives it: the press with its button, then the
// click if the label still takes input. Keys and assistive actions use this too.
inline void pressAndClick(EventGate& gate, form::Label& label, short button) {
    gate.deliver([&label, button] { label.press(button); });
    if (label.takesInput()) {
        gate.deliver([&label] { label.click(); });
    }
}

} // namespace nonagra::qt
