#include "app/DisplayCheck.h"

#include <algorithm>
#include <cctype>
#include <fcntl.h>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace nonagra::app {

namespace {

// The platform plugins Qt tries, in its order: those QT_QPA_PLATFORM lists
// (name:options;name...), else Wayland in a Wayland session, then X11.
std::vector<std::string> platformsToTry(const Environment& env) {
    std::vector<std::string> names;
    const std::string chosen = env("QT_QPA_PLATFORM");
    if (!chosen.empty()) {
        std::string_view rest = chosen;
        while (!rest.empty()) {
            const auto end = rest.find(';');
            std::string name(rest.substr(0, std::min(end, rest.find(':'))));
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            if (!name.empty()) {
                names.push_back(name);
            }
            rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        }
        return names;
    }
    if (!env("WAYLAND_DISPLAY").empty() || env("XDG_SESSION_TYPE") == "wayland") {
        names.emplace_back("wayland");
    }
    names.emplace_back("xcb");
    return names;
}

} // namespace

XScreen probeX(const std::string& display) {
    int screenNumber = 0;
    // libxcb writes a server's refusal to stderr itself; it is caught here
    // and said in the one line the program ends with.
    int caught[2] = {-1, -1};
    const int savedStderr = dup(STDERR_FILENO);
    const bool catching = savedStderr >= 0 && pipe2(caught, O_CLOEXEC | O_NONBLOCK) == 0 &&
                          dup2(caught[1], STDERR_FILENO) >= 0;
    const std::shared_ptr<xcb_connection_t> connection(xcb_connect(display.c_str(), &screenNumber),
                                                       xcb_disconnect);
    std::string refusal;
    if (catching) {
        dup2(savedStderr, STDERR_FILENO);
        char text[256];
        const ssize_t length = read(caught[0], text, sizeof text);
        refusal.assign(text, static_cast<std::size_t>(std::max<ssize_t>(length, 0)));
        refusal.erase(std::min(refusal.find('\n'), refusal.size()));
    }
    for (const int fd : {caught[0], caught[1], savedStderr}) {
        if (fd >= 0) {
            close(fd);
        }
    }
    const int error = xcb_connection_has_error(connection.get());
    if (error == XCB_CONN_CLOSED_INVALID_SCREEN) {
        return {false, 0, "display " + display + " has no screen " + std::to_string(screenNumber),
                nullptr};
    }
    if (error != 0) {
        return {false, 0,
                refusal.empty()
                    ? std::string()
                    : "the X server of display " + display + " refused the connection: " + refusal,
                nullptr};
    }
    auto roots = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber && roots.rem > 0; ++i) {
        xcb_screen_next(&roots);
    }
    if (roots.rem == 0) {
        return {false, 0, "display " + display + " has no screen " + std::to_string(screenNumber),
                nullptr};
    }
    return {true, roots.data->root_depth, {}, connection};
}

bool waylandReachable(const Environment& env) {
    // A socket the compositor opened for this very client.
    if (!env("WAYLAND_SOCKET").empty()) {
        return true;
    }
    std::string path = env("WAYLAND_DISPLAY");
    if (path.empty()) {
        path = "wayland-0";
    }
    if (path.front() != '/') {
        const std::string runtime = env("XDG_RUNTIME_DIR");
        if (runtime.empty()) {
            return false;
        }
        path = runtime + "/" + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::copy(path.begin(), path.end(), address.sun_path);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const bool connected =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

DisplayCheck::DisplayCheck(const Environment& env, const DisplayProbes& probes) {
    std::optional<std::string> reason;
    for (const std::string& platform : platformsToTry(env)) {
        if (platform == "xcb") {
            const std::string display = env("DISPLAY");
            const XScreen screen = display.empty() ? XScreen{} : probes.x(display);
            if (screen.connection) {
                connections_.push_back(screen.connection);
            }
            if (screen.reachable && screen.depth >= minimumDepth) {
                return;
            }
            if (!screen.refusal.empty() && !reason) {
                reason = screen.refusal;
            }
            if (screen.reachable && !reason) {
                reason = "the screen of display " + display + " has " +
                         std::to_string(screen.depth) +
                         "-bit colour, and the game needs at least " +
                         std::to_string(minimumDepth) + "-bit colour to draw its windows";
            }
        } else if (platform.starts_with("wayland")) {
            if (probes.wayland(env)) {
                return;
            }
        } else {
            // offscreen, minimal, vnc and the like need no display of ours;
            // Qt itself says so if the name is wrong.
            return;
        }
    }
    problem_ = reason ? reason
                      : "a graphical display is needed, and none was found "
                        "(DISPLAY names an X11 display, WAYLAND_DISPLAY a Wayland one)";
}

} // namespace nonagra::app
