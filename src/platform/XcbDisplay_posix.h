#pragma once

// A connection of the program's own to the X display, for the small queries the platform layer
// makes beside the toolkit's connection. Used by the POSIX sources only.
#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace velmora::platform {

struct XcbDisplay {
    xcb_connection_t* connection = nullptr;  // null when there is no display
    xcb_window_t root = 0;                   // the default screen's root window
};

// Connects to $DISPLAY; a display that cannot be reached gives an empty XcbDisplay.
inline XcbDisplay ConnectToDisplay() {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return {};
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && it.rem > 0; ++i) xcb_screen_next(&it);
    if (it.rem == 0) {
        xcb_disconnect(connection);
        return {};
    }
    return {connection, it.data->root};
}

// Nothing selects events on such a connection, but every client gets MappingNotify (a keyboard
// layout switch, a keyboard plugged in): read them so that they do not pile up for ever.
inline void DropEvents(xcb_connection_t* connection) {
    if (connection == nullptr) return;
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) std::free(event);
}

// The atoms of `names`, asked for all at once (one round trip); XCB_ATOM_NONE where the server
// gave none.
template <std::size_t N>
std::array<xcb_atom_t, N> InternAtoms(xcb_connection_t* c,
                                      const std::array<const char*, N>& names) {
    std::array<xcb_intern_atom_cookie_t, N> cookies{};
    for (std::size_t i = 0; i < N; ++i)
        cookies[i] =
            xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(names[i])), names[i]);
    std::array<xcb_atom_t, N> atoms{};
    for (std::size_t i = 0; i < N; ++i) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookies[i], nullptr);
        atoms[i] = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
    }
    return atoms;
}

}  // namespace velmora::platform
