#include "platform/PointerMotion.h"

#include <xcb/xinput.h>

#include <cstdint>
#include <cstdlib>

#include "platform/XcbDisplay_posix.h"

namespace velmora::platform {

namespace {
constexpr std::uint32_t kListened =
    XCB_INPUT_XI_EVENT_MASK_RAW_MOTION | XCB_INPUT_XI_EVENT_MASK_RAW_TOUCH_BEGIN |
    XCB_INPUT_XI_EVENT_MASK_RAW_TOUCH_UPDATE | XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS |
    XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS;
}  // namespace

struct PointerMotion::Impl {
    xcb_connection_t* connection = nullptr;  // null without XInput 2.2
    xcb_window_t root = 0;
    bool watching = false;
};

PointerMotion::PointerMotion() : impl_(std::make_unique<Impl>()) {
    const XcbDisplay display = ConnectToDisplay();
    if (display.connection == nullptr) return;
    // Raw events reach the root whatever the grabs only from version 2.1; 2.2 is what Xorg,
    // Xvfb and Xwayland have had for a decade.
    auto* version = xcb_input_xi_query_version_reply(
        display.connection, xcb_input_xi_query_version(display.connection, 2, 2), nullptr);
    const bool usable =
        version != nullptr && (version->major_version > 2 ||
                               (version->major_version == 2 && version->minor_version >= 2));
    std::free(version);
    if (!usable) {
        xcb_disconnect(display.connection);
        return;
    }
    impl_->connection = display.connection;
    impl_->root = display.root;
}

PointerMotion::~PointerMotion() {
    if (impl_->connection != nullptr) xcb_disconnect(impl_->connection);
}

int PointerMotion::Descriptor() const {
    return impl_->connection == nullptr ? -1 : xcb_get_file_descriptor(impl_->connection);
}

void PointerMotion::Watch(bool on) {
    if (impl_->connection == nullptr || impl_->watching == on) return;
    impl_->watching = on;
    // What came before listening is old news; what comes after it (even while this waits for the
    // server) stays for TakeMotion.
    if (on) DropEvents(impl_->connection);
    struct {
        xcb_input_event_mask_t head;
        std::uint32_t bits;
    } mask{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, on ? kListened : 0u};
    std::free(xcb_request_check(
        impl_->connection,
        xcb_input_xi_select_events_checked(impl_->connection, impl_->root, 1, &mask.head)));
    if (!on) DropEvents(impl_->connection);
}

PointerMotion::Activity PointerMotion::TakeActivity() {
    Activity activity;
    if (impl_->connection == nullptr) return activity;
    while (xcb_generic_event_t* event = xcb_poll_for_event(impl_->connection)) {
        const auto* generic = reinterpret_cast<xcb_ge_generic_event_t*>(event);
        if ((event->response_type & 0x7f) == XCB_GE_GENERIC && impl_->watching) {
            switch (generic->event_type) {
                case XCB_INPUT_RAW_MOTION:
                case XCB_INPUT_RAW_TOUCH_BEGIN:
                case XCB_INPUT_RAW_TOUCH_UPDATE:
                    activity.moved = true;
                    break;
                case XCB_INPUT_RAW_KEY_PRESS:
                case XCB_INPUT_RAW_BUTTON_PRESS:
                    activity.pressed = true;
                    break;
                default:
                    break;
            }
        }
        std::free(event);
    }
    return activity;
}

}  // namespace velmora::platform
