#pragma once

#include "app/Environment.h"

#include <chrono>

namespace nonagra::app {

// Whether a D-Bus session bus can be found without starting one: its address
// in DBUS_SESSION_BUS_ADDRESS, or the socket XDG_RUNTIME_DIR/bus that libdbus
// looks for next, which it takes only when this user owns it (after sudo -E,
// the runtime directory is another user's).
bool sessionBusKnown(const Environment& env);

// Whether the known bus accepts this user within the deadline: the first step
// of every connection, the daemon's answer to an EXTERNAL authentication.
// Only Unix sockets (path= and abstract=, or XDG_RUNTIME_DIR/bus) are asked;
// any other transport is taken to answer.
bool sessionBusAnswers(const Environment& env, std::chrono::milliseconds deadline);

// How long a bus may take to answer before the game goes on without it.
constexpr std::chrono::milliseconds busDeadline{1000};

// Without a usable session bus, libdbus would either run dbus-launch (the
// first on PATH) to start one, as soon as Qt's accessibility bridge asks for
// the bus, or wait on a bus that never answers, for ever, before the first
// window. This gives D-Bus clients an address that connects nowhere instead:
// the game then starts without accessibility. With a bus that answers,
// nothing changes and accessibility goes through it.
void keepOffBusAutolaunch();

} // namespace nonagra::app
