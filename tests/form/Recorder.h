#pragma once

#include "form/Control.h"
#include "form/Form.h"

#include <string>
#include <vector>

namespace nonagra::form::testing {

// A form with an observer that keeps the name of every control written.
struct RecordingForm : Form, FormObserver {
    RecordingForm() : Form("Proba") { setObserver(this); }
    void controlChanged(const Control& control) override { writes.push_back(control.name()); }

    std::vector<std::string> writes;
};

} // namespace nonagra::form::testing
