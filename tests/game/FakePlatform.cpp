// The scripted stand-in for the windowing toolkit.
#include "FakePlatform.h"

#include <gtest/gtest.h>

namespace nonagra::testing {

form::MessageAnswer FakePlatform::messageBox(const std::string& title, const std::string& text,
                                             form::MessageButtons buttons) {
    messages.push_back({title, text, buttons});
    log.push_back("box " + text);
    if (buttons == form::MessageButtons::Ok) {
        return form::MessageAnswer::Ok;
    }
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return form::MessageAnswer::No;
    }
    const form::MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakePlatform::showModal(form::Form& form) {
    shown.push_back(&form);
    log.push_back("show " + form.name());
}

void FakePlatform::hide(form::Form& form) {
    log.push_back("hide " + form.name());
}

void FakePlatform::endProgram() {
    ++programEnds;
    log.push_back("end");
}

void FakePlatform::controlChanged(const form::Control& /*control*/) {
    if (programEnds > 0) {
        ++writesAfterEnd;
    }
}

} // namespace nonagra::testing
