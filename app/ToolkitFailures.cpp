#include "app/ToolkitFailures.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace nonagra::app {

namespace {

QtMessageHandler previous = nullptr;

// What Qt says while the application object is made, held back until it
// stands: a failure then ends in one line, not in the warnings before it.
struct Held {
    QtMsgType type;
    QByteArray category;
    QString message;
};
std::vector<Held> held;
bool holding = true;

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
        // Its first sentence says what failed; the rest is advice that does
        // not apply. The platform plugin's own warning says why.
        QString line = message.section(QLatin1Char('\n'), 0, 0).section(QLatin1String(". "), 0, 0);
        for (const Held& h : held) {
            if (h.category.startsWith("qt.qpa")) {
                line += QLatin1String(" (") + h.message.section(QLatin1Char('\n'), 0, 0) +
                        QLatin1Char(')');
                break;
            }
        }
        endWith(line);
    }
    if (holding) {
        held.push_back({type, context.category, message});
        return;
    }
    previous(type, context, message);
}

} // namespace

void endOnToolkitFailure() {
    previous = qInstallMessageHandler(handle);
}

void startedUp() {
    holding = false;
    for (const Held& h : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, h.category.constData());
        previous(h.type, context, h.message);
    }
    held.clear();
}

} // namespace nonagra::app
