// Notifying the form of a control's property writes.
#include "form/Control.h"

#include "form/Form.h"

namespace nonagra::form {

void notifyChanged(const Control& control) {
    control.owner().changed(control);
}

Control::Control(Form& owner, std::string name, int index)
    : owner_(owner), name_(std::move(name)), index_(index) {}

} // namespace nonagra::form
