// Delivering a click to a push button.
#include "form/PushButton.h"

namespace nonagra::form {

void PushButton::click() {
    if (Enabled && Visible && Click) {
        Click();
    }
}

} // namespace nonagra::form
