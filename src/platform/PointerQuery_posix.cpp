#include "platform/PointerQuery.h"

#include "platform/XcbDisplay_posix.h"

#include <cstdlib>

namespace velmora::platform {

struct PointerQuery::Impl {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
};

PointerQuery::PointerQuery() : impl_(std::make_unique<Impl>()) {
    const XcbDisplay display = ConnectToDisplay();
    impl_->connection = display.connection;
    impl_->root = display.root;
}

PointerQuery::~PointerQuery() {
    if (impl_->connection != nullptr) xcb_disconnect(impl_->connection);
}

std::optional<PointerQuery::Place> PointerQuery::Position() {
    if (impl_->connection == nullptr) return std::nullopt;
    xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(
        impl_->connection, xcb_query_pointer(impl_->connection, impl_->root), nullptr);
    if (reply == nullptr) return std::nullopt;
    const Place position{reply->root_x, reply->root_y, reply->child != XCB_WINDOW_NONE};
    std::free(reply);
    DropEvents(impl_->connection);
    return position;
}

}  // namespace velmora::platform
