#pragma once

#include "form/Control.h"
#include "form/Font.h"

#include <optional>
#include <string>

namespace nonagra::form {

// A single-line edit field. The game only writes it: nothing here edits it.
class TextField : public Control {
public:
    using Control::Control;

    Property<std::string> Text{*this, ""};
    std::optional<Font> TextFont; // empty: the toolkit's default font
};

} // namespace nonagra::form
