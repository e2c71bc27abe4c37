#pragma once

#include <optional>
#include <string>

namespace nonagra::app {

// Twice the files the game holds open at once: 10 to 12 when idle (the
// standard three, the X connection, the threads' wake-up descriptors), more
// with a bus and a screen reader, and the font files Qt opens as it draws.
constexpr long filesNeeded = 24;

// Raises the soft limit on open files to what the game needs where the hard
// limit allows it. Under fewer, Qt's X connection or its event loop fails in
// ways that leave a window that never paints or end in a trap; this says so
// instead, as one line without the program's name.
std::optional<std::string> fileLimitProblem();

} // namespace nonagra::app
