#include "platform/DockedWindow.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace velmora::platform {

struct DockedWindow::Impl {
    xcb_connection_t* connection = nullptr;
    xcb_atom_t state = XCB_ATOM_NONE;
    xcb_atom_t desktop = XCB_ATOM_NONE;
    std::vector<xcb_atom_t> states;  // skip taskbar, skip pager, sticky, above
};

namespace {

xcb_atom_t Intern(xcb_connection_t* connection, std::string_view name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr);
    if (reply == nullptr) return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

}  // namespace

DockedWindow::DockedWindow() : impl_(std::make_unique<Impl>()) {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return;
    }
    impl_->connection = connection;
    impl_->state = Intern(connection, "_NET_WM_STATE");
    impl_->desktop = Intern(connection, "_NET_WM_DESKTOP");
    for (const char* name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER",
                             "_NET_WM_STATE_STICKY", "_NET_WM_STATE_ABOVE"}) {
        impl_->states.push_back(Intern(connection, name));
    }
}

DockedWindow::~DockedWindow() {
    if (impl_->connection != nullptr) xcb_disconnect(impl_->connection);
}

void DockedWindow::MarkBeforeShowing(std::uintptr_t nativeWindow) {
    xcb_connection_t* c = impl_->connection;
    if (c == nullptr || nativeWindow == 0) return;
    const auto window = static_cast<xcb_window_t>(nativeWindow);
    // Whatever states the window has already (the toolkit's own) stay.
    std::vector<xcb_atom_t> atoms;
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(
            c, xcb_get_property(c, 0, window, impl_->state, XCB_ATOM_ATOM, 0, 64), nullptr)) {
        const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        atoms.assign(values, values + xcb_get_property_value_length(reply) / sizeof(xcb_atom_t));
        std::free(reply);
    }
    for (const xcb_atom_t atom : impl_->states) {
        if (atom != XCB_ATOM_NONE && std::find(atoms.begin(), atoms.end(), atom) == atoms.end())
            atoms.push_back(atom);
    }
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, impl_->state, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(atoms.size()), atoms.data());
    const std::uint32_t allDesktops = 0xFFFFFFFF;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, impl_->desktop, XCB_ATOM_CARDINAL, 32, 1,
                        &allDesktops);
    // Done before the toolkit maps the window on its own connection.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

}  // namespace velmora::platform
