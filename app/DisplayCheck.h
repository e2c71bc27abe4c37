#pragma once

#include "app/Environment.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace nonagra::app {

// What an X server says about its default screen; depth 0 when unreachable.
struct XScreen {
    bool reachable = false;
    int depth = 0;
    // Why a server that exists did not give us the screen (it refused the
    // connection, or has no such screen); "" when none answered or all went well.
    std::string refusal;
    // The connection, open until the last copy goes.
    std::shared_ptr<void> connection;
};

// Connects to the X server named as in DISPLAY.
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

// Whether the toolkit could show the game on a platform it would try. The X
// connection made for it stays open as long as this object: an X server
// resets when its last client leaves and refuses connections meanwhile, so
// Qt's own connection, made just after, would fail where the game is the only
// client (a bare Xvfb, a session that runs nothing else).
class DisplayCheck {
public:
    explicit DisplayCheck(const Environment& env, const DisplayProbes& probes = {});

    // Why not, as one line without the program's name; nothing when it could.
    const std::optional<std::string>& problem() const { return problem_; }

private:
    std::optional<std::string> problem_;
    std::vector<std::shared_ptr<void>> connections_;
};

} // namespace nonagra::app
