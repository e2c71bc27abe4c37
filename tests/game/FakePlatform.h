#pragma once

#include "form/Control.h"
#include "form/Form.h"
#include "form/Platform.h"

#include <deque>
#include <string>
#include <vector>

namespace nonagra::testing {

struct MessageRecord {
    std::string title;
    std::string text;
    form::MessageButtons buttons;
};

// A scripted toolkit: Yes/No boxes are answered from a queue, OK boxes with OK,
// and every box, modal show, hide and program end is recorded in order. As the
// form's observer it also counts control writes made after the program ended.
class FakePlatform : public form::Platform, public form::FormObserver {
public:
    form::MessageAnswer messageBox(const std::string& title, const std::string& text,
                                   form::MessageButtons buttons) override;
    void showModal(form::Form& form) override;
    void hide(form::Form& form) override;
    void endProgram() override;
    void controlChanged(const form::Control& control) override;

    std::deque<form::MessageAnswer> answers;
    std::vector<MessageRecord> messages;
    // "show <form>", "hide <form>", "box <text>", "end", in the order they happened.
    std::vector<std::string> log;
    std::vector<const form::Form*> shown;
    int programEnds = 0;
    int writesAfterEnd = 0;
};

} // namespace nonagra::testing
