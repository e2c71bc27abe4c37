#pragma once

#include "form/Form.h"
#include "form/Platform.h"
#include "qt/EventGate.h"
#include "qt/FontBook.h"
#include "qt/FormView.h"

#include <map>
#include <memory>

namespace nonagra::qt {

// The game's platform on Qt Widgets: every form gets its window on first use,
// modal showing runs a local event loop, and the program ends through the
// event gate, which also turns an escaping failure into an error report.
class QtPlatform : public form::Platform {
public:
    explicit QtPlatform(const FontBook& fonts);
    ~QtPlatform() override;

    // Loads and shows the start-up form and runs the event loop until the
    // program ends; closing that form's window ends it. Returns the exit code,
    // with every window released.
    int run(form::Form& startup);

    form::MessageAnswer messageBox(const std::string& title, const std::string& text,
                                   form::MessageButtons buttons) override;
    void showModal(form::Form& form) override;
    void hide(form::Form& form) override;
    void endProgram() override;

    // The window of a form, made on first use.
    FormView& view(form::Form& form);
    EventGate& gate() { return gate_; }

private:
    void load(FormView& view);
    void show(FormView& view);
    void reportFailure(const std::string& what);

    const FontBook& fonts_;
    EventGate gate_;
    std::map<form::Form*, std::unique_ptr<FormView>> views_;
    std::map<FormView*, bool> loaded_;
};

} // namespace nonagra::qt
