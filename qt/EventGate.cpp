#include "qt/EventGate.h"

#include <QCoreApplication>
#include <exception>

namespace nonagra::qt {

void EventGate::deliver(const std::function<void()>& handler) {
    if (closed_) {
        return;
    }
    std::string failure;
    try {
        handler();
        return;
    } catch (const std::exception& e) {
        failure = e.what();
    } catch (...) {
        failure = "unknown exception";
    }
    // The report runs its own event loop, which must start before the loops
    // are told to stop; the closed gate keeps every handler out meanwhile.
    closed_ = true;
    exitCode_ = 1;
    report_(failure);
    QCoreApplication::exit(exitCode_);
}

void EventGate::close(int exitCode) {
    if (closed_) {
        return;
    }
    closed_ = true;
    exitCode_ = exitCode;
    QCoreApplication::exit(exitCode);
}

} // namespace nonagra::qt
