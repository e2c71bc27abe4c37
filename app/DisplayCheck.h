#pragma once

#include "app/Environment.h"

#include <functional>
#include <optional>
#include <string>

namespace nonagra::app {

// What an X server says about its default screen; depth 0 when unreachable.
struct XScreen {
    bool reachable = false;
    int depth = 0;
};

// Connects to the X server named as in DISPLAY, and disconnects again.
XScreen probeX(const std::string& display);

// Whether a Wayland compositor accepts connections where a client looks for
// it: WAYLAND_SOCKET, else WAYLAND_DISPLAY (default wayland-0) as an absolute
// path or under XDG_RUNTIME_DIR.
bool waylandReachable(const Environment& env);

struct DisplayProbes {
    std::function<XScreen(const std::string&)> x = probeX;
    std::function<bool(const Environment&)> wayland = waylandReachable;
};

// The colour depth below which Qt's X11 backing store paints nothing.
constexpr int minimumDepth = 15;

// Why the toolkit could not show the game on any platform it would try, as
// one line without the program's name; nothing when one of them would do.
std::optional<std::string> displayProblem(const Environment& env, const DisplayProbes& probes = {});

} // namespace nonagra::app
