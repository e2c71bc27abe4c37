#include "qt/Taskbar.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace nonagra::qt {

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace

void skipTaskbar(QWidget& window) {
    // The offscreen platform also answers for X11, with no connection and
    // window ids that are not X windows.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr ||
        !QGuiApplication::platformName().startsWith(QLatin1String("xcb"))) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    // Qt keeps state atoms it does not know of when it maps the window, and a
    // window manager reads the property at mapping time.
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, atom(connection, "_NET_WM_STATE"),
                        XCB_ATOM_ATOM, 32, 1, &state);
    xcb_flush(connection);
}

} // namespace nonagra::qt
