#pragma once

#include "app/Environment.h"

namespace nonagra::app {

// Whether a D-Bus session bus can be found without starting one: its address
// in DBUS_SESSION_BUS_ADDRESS, or the socket XDG_RUNTIME_DIR/bus that libdbus
// looks for next.
bool sessionBusKnown(const Environment& env);

// Without a session bus, libdbus would run dbus-launch (the first on PATH) to
// start one as soon as Qt's accessibility bridge asks for the bus. This gives
// D-Bus clients an address that connects nowhere instead; with a bus, nothing
// changes and accessibility goes through it.
void keepOffBusAutolaunch();

} // namespace nonagra::app
