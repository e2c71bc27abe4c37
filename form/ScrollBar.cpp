// The stepper value: clamped, and announced only when it really changes.
#include "form/ScrollBar.h"

#include <algorithm>

namespace nonagra::form {

ScrollValue& ScrollValue::operator=(std::int16_t value) {
    const auto clamped = std::clamp(value, bar_.Min, bar_.Max);
    if (clamped != value_) {
        value_ = clamped;
        notifyChanged(bar_);
        if (bar_.Change) {
            bar_.Change();
        }
    }
    return *this;
}

void ScrollBar::initialise(std::int16_t min, std::int16_t max, std::int16_t value) {
    Min = min;
    Max = max;
    Value.value_ = value;
}

void ScrollBar::moveBy(int delta) {
    const int target =
        std::clamp(Value.get() + delta, static_cast<int>(Min), static_cast<int>(Max));
    Value = static_cast<std::int16_t>(target);
}

} // namespace nonagra::form
