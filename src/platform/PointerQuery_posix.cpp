#include "platform/PointerQuery.h"

#include <xcb/xcb.h>

#include <cstdlib>

namespace velmora::platform {

struct PointerQuery::Impl {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
};

PointerQuery::PointerQuery() : impl_(std::make_unique<Impl>()) {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && it.rem > 0; ++i) xcb_screen_next(&it);
    if (it.rem == 0) {
        xcb_disconnect(connection);
        return;
    }
    impl_->connection = connection;
    impl_->root = it.data->root;
}

PointerQuery::~PointerQuery() {
    if (impl_->connection != nullptr) xcb_disconnect(impl_->connection);
}

std::optional<std::pair<int, int>> PointerQuery::Position() {
    if (impl_->connection == nullptr) return std::nullopt;
    xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(
        impl_->connection, xcb_query_pointer(impl_->connection, impl_->root), nullptr);
    if (reply == nullptr) return std::nullopt;
    const std::pair<int, int> position{reply->root_x, reply->root_y};
    std::free(reply);
    // Nothing selects events here, but every client gets MappingNotify (a keyboard layout
    // switch, a keyboard plugged in): read them so that they do not pile up for ever.
    while (xcb_generic_event_t* event = xcb_poll_for_event(impl_->connection)) std::free(event);
    return position;
}

}  // namespace velmora::platform
