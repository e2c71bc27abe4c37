#pragma once

#include "form/Control.h"
#include "form/Rgb.h"

namespace nonagra::form {

// A straight line drawn on the form; it never takes input.
class Line : public Control {
public:
    using Control::Control;

    Point From;
    Point To;
    int WidthPixels = 1;
    Colour LineColour = SystemColour::WindowText;
};

} // namespace nonagra::form
