#pragma once

#include "form/Accessibility.h"
#include "form/Icon.h"
#include "form/Rgb.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace nonagra::form {

class Control;

enum class FrameBorder { FixedSingle, Sizable };

// Told about every property write of the form's controls.
class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void controlChanged(const Control& control) = 0;
};

// A top-level window: its frame properties and its controls. The definitions
// register the windowless controls (labels and lines) top first, which is the
// order both for drawing (reversed) and for hit-testing.
class Form {
public:
    explicit Form(std::string name) : name_(std::move(name)) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    const std::string& name() const { return name_; }

    std::string Caption;
    int ClientWidth = 0;  // twips
    int ClientHeight = 0; // twips
    FrameBorder Border = FrameBorder::FixedSingle;
    bool ControlBox = true;
    bool MinButton = true;
    bool MaxButton = true;
    bool ShowInTaskbar = true;
    Rgb BackColor = colours::WindowBackground;
    std::optional<Icon> WindowIcon;
    Accessibility Accessible;

    // Runs once, before the window is first shown.
    std::function<void()> Load;

    // Labels and lines, topmost first.
    const std::vector<Control*>& stacking() const { return stacking_; }
    // Text fields, push buttons and scroll bars; they lie above the stacking.
    const std::vector<Control*>& widgets() const { return widgets_; }
    // The focus cycle, in order; the first one holds the focus when the window opens.
    const std::vector<Control*>& tabOrder() const { return tabOrder_; }

    void setObserver(FormObserver* observer) { observer_ = observer; }
    void changed(const Control& control) const {
        if (observer_ != nullptr) {
            observer_->controlChanged(control);
        }
    }

protected:
    void stackBelow(Control& control) { stacking_.push_back(&control); }
    void addWidget(Control& control) { widgets_.push_back(&control); }
    void setTabOrder(std::vector<Control*> order) { tabOrder_ = std::move(order); }

private:
    std::string name_;
    std::vector<Control*> stacking_;
    std::vector<Control*> widgets_;
    std::vector<Control*> tabOrder_;
    FormObserver* observer_ = nullptr;
};

} // namespace nonagra::form
