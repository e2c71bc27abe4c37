#pragma once

#include "form/Control.h"

#include <cstdint>
#include <functional>

namespace nonagra::form {

class ScrollBar;

// The value of a scroll bar: writing it clamps to the range and raises the
// change handler inside the assignment, only when the value really changes.
class ScrollValue {
public:
    explicit ScrollValue(ScrollBar& bar) : bar_(bar) {}
    ScrollValue(const ScrollValue&) = delete;
    ScrollValue& operator=(const ScrollValue&) = delete;

    ScrollValue& operator=(std::int16_t value);
    std::int16_t get() const { return value_; }
    operator std::int16_t() const { return value_; }

private:
    friend class ScrollBar;
    ScrollBar& bar_;
    std::int16_t value_ = 0;
};

// A vertical scroll bar used as a stepper. Raising and lowering follow the
// value: the top arrow lowers it, as on every desktop scroll bar.
class ScrollBar : public Control {
public:
    using Control::Control;

    std::int16_t Min = 0;
    std::int16_t Max = 32767;
    std::int16_t SmallChange = 1;
    std::int16_t LargeChange = 1;
    ScrollValue Value{*this};
    std::function<void()> Change;

    // The arrows and the paging area: a step that would leave the range stops
    // at its end, and a step at the end changes nothing.
    void stepUp() { moveBy(SmallChange); }
    void stepDown() { moveBy(-SmallChange); }
    void pageUp() { moveBy(LargeChange); }
    void pageDown() { moveBy(-LargeChange); }

    // Sets the value without raising Change: for the window's definition only.
    void initialise(std::int16_t min, std::int16_t max, std::int16_t value);

private:
    void moveBy(int delta);
};

} // namespace nonagra::form
