#include "platform/ScreenLock.h"

#include <xcb/screensaver.h>

#include <cstdlib>

#include "platform/XcbDisplay_posix.h"

namespace velmora::platform {

struct ScreenLock::Impl {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    bool hasScreenSaverExtension = false;
};

namespace {

bool ServerSaverOn(xcb_connection_t* c, xcb_window_t root) {
    xcb_screensaver_query_info_reply_t* info =
        xcb_screensaver_query_info_reply(c, xcb_screensaver_query_info(c, root), nullptr);
    const bool on = info != nullptr && info->state == XCB_SCREENSAVER_STATE_ON;
    std::free(info);
    return on;
}

bool KeyboardGrabbedElsewhere(xcb_connection_t* c, xcb_window_t root) {
    xcb_grab_keyboard_reply_t* reply = xcb_grab_keyboard_reply(
        c,
        xcb_grab_keyboard(c, 0, root, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
        nullptr);
    if (reply == nullptr) return false;
    const std::uint8_t status = reply->status;
    std::free(reply);
    if (status == XCB_GRAB_STATUS_SUCCESS) {
        // It was free: give it back at once, and be sure the server has it back.
        xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
        return false;
    }
    return status == XCB_GRAB_STATUS_ALREADY_GRABBED || status == XCB_GRAB_STATUS_FROZEN;
}

}  // namespace

ScreenLock::ScreenLock() : impl_(std::make_unique<Impl>()) {
    const XcbDisplay display = ConnectToDisplay();
    if (display.connection == nullptr) return;
    impl_->connection = display.connection;
    impl_->root = display.root;
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(display.connection, &xcb_screensaver_id);
    impl_->hasScreenSaverExtension = extension != nullptr && extension->present != 0;
}

ScreenLock::~ScreenLock() {
    if (impl_->connection != nullptr) xcb_disconnect(impl_->connection);
}

bool ScreenLock::Locked() {
    xcb_connection_t* c = impl_->connection;
    if (c == nullptr) return false;
    const xcb_window_t root = impl_->root;
    const bool locked = (impl_->hasScreenSaverExtension && ServerSaverOn(c, root)) ||
                        KeyboardGrabbedElsewhere(c, root);
    DropEvents(c);
    return locked;
}

}  // namespace velmora::platform
