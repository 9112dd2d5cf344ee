#pragma once

// Atoms and atom-list properties read with plain xcb, for the tests that play window managers
// and other programs on a private X server.
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace velmora::platform {

inline xcb_atom_t InternAtom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// The window's property of atoms (a window type, states), empty when unset.
inline std::vector<xcb_atom_t> AtomsOf(xcb_connection_t* c, xcb_window_t window,
                                       const char* property) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, InternAtom(c, property), XCB_ATOM_ATOM, 0, 64), nullptr);
    std::vector<xcb_atom_t> atoms;
    if (reply != nullptr) {
        const auto* data = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        atoms.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return atoms;
}

}  // namespace velmora::platform
