// Delivering mouse input to a label, which a disabled or hidden one ignores.
#include "form/Label.h"

namespace nonagra::form {

void Label::press(short button, short shift, int x, int y) {
    if (Enabled && Visible && MouseDown) {
        MouseDown(button, shift, x, y);
    }
}

void Label::click() {
    if (Enabled && Visible && Click) {
        Click();
    }
}

} // namespace nonagra::form
