#include "qt/QtPlatform.h"

#include "qt/Frame.h"
#include "qt/MessageBox.h"

#include <QApplication>
#include <QEventLoop>
#include <iostream>

namespace nonagra::qt {

QtPlatform::QtPlatform(const FontBook& fonts)
    : fonts_(fonts), gate_([this](const std::string& what) { reportFailure(what); }) {}

QtPlatform::~QtPlatform() = default;

FormView& QtPlatform::view(form::Form& form) {
    auto& slot = views_[&form];
    if (!slot) {
        slot = std::make_unique<FormView>(form, gate_, fonts_);
    }
    return *slot;
}

void QtPlatform::load(FormView& view) {
    bool& loaded = loaded_[&view];
    if (!loaded) {
        loaded = true;
        if (view.form().Load) {
            gate_.deliver(view.form().Load);
        }
    }
}

void QtPlatform::show(FormView& view) {
    prepareShowing(view, view.form());
    view.show();
    view.activateWindow();
    // The style shows the focus only once the keyboard has moved it, and
    // showing forgets that; the game takes keys from the start, so its focus
    // shows from the start.
    view.setAttribute(Qt::WA_KeyboardFocusChange);
}

int QtPlatform::run(form::Form& startup) {
    QApplication::setQuitOnLastWindowClosed(false);
    FormView& main = view(startup);
    main.onCloseRequest = [this] { endProgram(); };
    load(main);
    if (!gate_.closed()) {
        show(main);
        QApplication::exec();
    }
    // The forms may go before this platform does; their windows go first.
    views_.clear();
    loaded_.clear();
    return gate_.exitCode();
}

void QtPlatform::showModal(form::Form& form) {
    FormView& shown = view(form);
    load(shown);
    if (gate_.closed() || shown.isVisible()) {
        return;
    }
    QEventLoop loop;
    shown.onHidden = [&loop] { loop.quit(); };
    shown.setWindowModality(Qt::ApplicationModal);
    show(shown);
    loop.exec();
    shown.onHidden = nullptr;
}

void QtPlatform::hide(form::Form& form) {
    if (auto found = views_.find(&form); found != views_.end()) {
        found->second->hide();
    }
}

void QtPlatform::endProgram() {
    for (auto& [form, window] : views_) {
        window->hide();
    }
    gate_.close(0);
}

form::MessageAnswer QtPlatform::messageBox(const std::string& title, const std::string& text,
                                           form::MessageButtons buttons) {
    return askUser(QApplication::activeWindow(), title, text, buttons);
}

void QtPlatform::reportFailure(const std::string& what) {
    std::cerr << "nonagra: unhandled failure: " << what << std::endl;
    askUser(QApplication::activeWindow(), QApplication::applicationDisplayName().toStdString(),
            "Váratlan hiba: " + what, form::MessageButtons::Ok);
}

} // namespace nonagra::qt
