#pragma once

#include <utility>

namespace nonagra::form {

class Control;
void notifyChanged(const Control& control);

// A control property whose writes tell the form's observer, so that a view can
// repaint exactly what changed, also while a handler is still running.
template <class T> class Property {
public:
    Property(const Control& owner, T initial) : owner_(owner), value_(std::move(initial)) {}
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;

    Property& operator=(T value) {
        if (!(value_ == value)) {
            value_ = std::move(value);
            notifyChanged(owner_);
        }
        return *this;
    }

    const T& get() const { return value_; }
    operator const T&() const { return value_; }

    template <class U> friend bool operator==(const Property& p, const U& other) {
        return p.value_ == other;
    }

private:
    const Control& owner_;
    T value_;
};

} // namespace nonagra::form
