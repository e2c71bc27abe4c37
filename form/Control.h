#pragma once

#include "form/Geometry.h"
#include "form/Property.h"

#include <string>

namespace nonagra::form {

class Form;

// Index of a control that is not a member of a control array.
inline constexpr int NoIndex = -1;

// What every control has: a name (with its array index), the form that owns it,
// and the two states the toolkit respects for input and drawing.
class Control {
public:
    Control(Form& owner, std::string name, int index = NoIndex);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    Form& owner() const { return owner_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }

    Rect Bounds;
    // What assistive technology calls the control; empty: its own caption.
    std::string AccessibleName;
    Property<bool> Visible{*this, true};
    Property<bool> Enabled{*this, true};

private:
    Form& owner_;
    std::string name_;
    int index_;
};

} // namespace nonagra::form
