#include "platform/WindowManager.h"

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/XcbDisplay_posix.h"

namespace velmora::platform {

namespace {

// A connection of its own for one call's few requests, closed at the end of its scope.
struct Connection {
    Connection() : display(ConnectToDisplay()) {}
    ~Connection() {
        if (display.connection != nullptr) xcb_disconnect(display.connection);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    XcbDisplay display;
};

// The window a window property names, or none.
xcb_window_t WindowProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, property, XCB_ATOM_WINDOW, 0, 1), nullptr);
    xcb_window_t named = XCB_NONE;
    if (reply != nullptr && reply->format == 32 && xcb_get_property_value_length(reply) == 4)
        std::memcpy(&named, xcb_get_property_value(reply), sizeof named);
    std::free(reply);
    return named;
}

}  // namespace

std::string WindowManagerName() {
    const Connection connection;
    xcb_connection_t* c = connection.display.connection;
    if (c == nullptr) return {};
    const auto [check, name, utf8] =
        InternAtoms<3>(c, {"_NET_SUPPORTING_WM_CHECK", "_NET_WM_NAME", "UTF8_STRING"});
    const xcb_window_t wm = WindowProperty(c, connection.display.root, check);
    // A window manager's check window names itself; a stale id left by one that ended does not.
    if (wm == XCB_NONE || WindowProperty(c, wm, check) != wm) return {};
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, wm, name, utf8, 0, 256), nullptr);
    std::string result;
    if (reply != nullptr && reply->format == 8)
        result.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                      static_cast<std::size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
    return result;
}

void MarkAsCriticalNotification(std::uintptr_t nativeWindow) {
    // Kept for the program's life, with the atoms: the panel shows again and again, and a show
    // should cost no new connection.
    static const Connection connection;
    xcb_connection_t* c = connection.display.connection;
    if (c == nullptr) return;
    DropEvents(c);
    const auto window = static_cast<xcb_window_t>(nativeWindow);
    static const auto atoms = InternAtoms<7>(
        c, {"_NET_WM_WINDOW_TYPE", "_KDE_NET_WM_WINDOW_TYPE_CRITICAL_NOTIFICATION",
            "_NET_WM_WINDOW_TYPE_NOTIFICATION", "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR",
            "_NET_WM_STATE_SKIP_PAGER", "_KDE_NET_WM_STATE_SKIP_SWITCHER"});
    const std::array<xcb_atom_t, 2> types{atoms[1], atoms[2]};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atoms[0], XCB_ATOM_ATOM, 32, types.size(),
                        types.data());
    // Added to the states already set (the toolkit's among them) rather than replacing them.
    std::vector<xcb_atom_t> states;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, atoms[3], XCB_ATOM_ATOM, 0, 64), nullptr);
    if (reply != nullptr && reply->format == 32) {
        const auto* current = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        states.assign(current, current + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    for (const xcb_atom_t state : {atoms[4], atoms[5], atoms[6]}) {
        bool present = false;
        for (const xcb_atom_t s : states) present = present || s == state;
        if (!present) states.push_back(state);
    }
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atoms[3], XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(states.size()), states.data());
    // A round trip: the properties are set before the toolkit maps the window on its connection.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

}  // namespace velmora::platform
