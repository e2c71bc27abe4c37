#pragma once

#include <functional>
#include <string>

namespace nonagra::qt {

// Where the toolkit's events enter the game. Once the program has been ended
// no handler runs any more; a failure escaping a handler never crosses into
// Qt's event loop: it is reported and ends the program with a failure code.
class EventGate {
public:
    using Reporter = std::function<void(const std::string& what)>;

    explicit EventGate(Reporter report) : report_(std::move(report)) {}

    void deliver(const std::function<void()>& handler);

    // Stops every event loop; the first code given is the program's exit code.
    void close(int exitCode);
    bool closed() const { return closed_; }
    int exitCode() const { return exitCode_; }

private:
    Reporter report_;
    bool closed_ = false;
    int exitCode_ = 0;
};

} // namespace nonagra::qt
