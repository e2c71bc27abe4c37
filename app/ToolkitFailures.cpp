#include "app/ToolkitFailures.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <unistd.h>

namespace nonagra::app {

namespace {

QtMessageHandler previous = nullptr;

[[noreturn]] void endWith(const QString& line) {
    std::fprintf(stderr, "nonagra: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    // Other threads may be waiting on the failed one: no destructors run.
    _exit(1);
}

void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QThread::start: Thread creation error"))) {
        // Qt adds the system's reason in parentheses.
        const qsizetype reason = message.lastIndexOf(QLatin1Char('('));
        endWith(QStringLiteral("cannot start: the system refused a new thread") +
                (reason < 0 ? QString() : QLatin1Char(' ') + message.mid(reason)));
    }
    if (type == QtFatalMsg && QCoreApplication::startingUp()) {
        // Its first sentence says what failed; the rest is advice that does not apply.
        endWith(message.section(QLatin1Char('\n'), 0, 0).section(QLatin1String(". "), 0, 0));
    }
    previous(type, context, message);
}

} // namespace

void endOnToolkitFailure() {
    previous = qInstallMessageHandler(handle);
}

} // namespace nonagra::app
