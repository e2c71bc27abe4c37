#pragma once

#include "form/Control.h"
#include "form/Font.h"

#include <functional>
#include <string>

namespace nonagra::form {

class PushButton : public Control {
public:
    using Control::Control;

    Property<std::string> Caption{*this, ""};
    Font TextFont;
    std::function<void()> Click;

    // A disabled or hidden button ignores clicks.
    void click();
};

} // namespace nonagra::form
