#include "platform/PointerQuery.h"

#include "platform/XcbDisplay_posix.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace velmora::platform {

namespace {
enum Xdnd { kEnter, kPosition, kLeave, kDrop, kStatus, kFinished, kMessages };
constexpr std::array<const char*, kMessages> kXdndNames = {
    "XdndEnter", "XdndPosition", "XdndLeave", "XdndDrop", "XdndStatus", "XdndFinished"};
}  // namespace

struct PointerQuery::Impl {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    std::optional<std::array<xcb_atom_t, kMessages>> xdnd;  // asked for at the first message
    // A drag over a window of ours (which one), its last place, and whether it left.
    xcb_window_t dragWindow = XCB_WINDOW_NONE;
    std::optional<Place> dragAt;
    bool dragLeft = false;

    bool InternXdnd() {
        if (connection == nullptr) return false;
        if (xdnd) return true;
        xdnd = InternAtoms(connection, kXdndNames);
        return true;
    }
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
    if (impl_->dragWindow != XCB_WINDOW_NONE && impl_->dragAt) {
        const Place at = *impl_->dragAt;
        if (impl_->dragLeft) {
            impl_->dragWindow = XCB_WINDOW_NONE;
            impl_->dragAt.reset();
        }
        return at;
    }
    xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(
        impl_->connection, xcb_query_pointer(impl_->connection, impl_->root), nullptr);
    if (reply == nullptr) return std::nullopt;
    const Place position{reply->root_x, reply->root_y, reply->child != XCB_WINDOW_NONE};
    std::free(reply);
    DropEvents(impl_->connection);
    return position;
}

bool PointerQuery::Warp(int x, int y) {
    if (impl_->connection == nullptr || impl_->dragWindow != XCB_WINDOW_NONE) return false;
    xcb_warp_pointer(impl_->connection, XCB_WINDOW_NONE, impl_->root, 0, 0, 0, 0,
                     static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
    xcb_flush(impl_->connection);
    return true;
}

bool PointerQuery::NoteDragMessage(const void* event) {
    const auto* message = static_cast<const xcb_client_message_event_t*>(event);
    if ((message->response_type & 0x7f) != XCB_CLIENT_MESSAGE || message->format != 32 ||
        !impl_->InternXdnd())
        return false;
    const auto& xdnd = *impl_->xdnd;
    Impl& d = *impl_;
    if (message->type == xdnd[kEnter]) {
        const bool arrived = d.dragWindow == XCB_WINDOW_NONE || d.dragLeft;
        if (d.dragWindow == XCB_WINDOW_NONE) d.dragAt.reset();  // a new drag: no place yet
        d.dragWindow = message->window;
        d.dragLeft = false;
        return arrived && d.dragAt.has_value();
    }
    if (message->type == xdnd[kPosition]) {
        // The root coordinates, packed x << 16 | y.
        const std::uint32_t packed = message->data.data32[2];
        const bool arrived = !d.dragAt.has_value() || d.dragLeft;
        d.dragAt = Place{static_cast<int>(packed >> 16), static_cast<int>(packed & 0xffff), true};
        d.dragWindow = message->window;
        d.dragLeft = false;
        return arrived;
    }
    if (message->type == xdnd[kLeave]) {
        if (message->window == d.dragWindow) d.dragLeft = true;
    } else if (message->type == xdnd[kDrop]) {
        d.dragWindow = XCB_WINDOW_NONE;
        d.dragAt.reset();
    }
    return false;
}

bool PointerQuery::DeclineDragMessage(const void* event,
                                      const std::vector<std::uintptr_t>& windows) {
    const auto* message = static_cast<const xcb_client_message_event_t*>(event);
    if ((message->response_type & 0x7f) != XCB_CLIENT_MESSAGE || message->format != 32 ||
        !impl_->InternXdnd())
        return false;
    const auto& xdnd = *impl_->xdnd;
    if (message->type != xdnd[kEnter] && message->type != xdnd[kPosition] &&
        message->type != xdnd[kLeave] && message->type != xdnd[kDrop])
        return false;
    bool ours = false;
    for (const std::uintptr_t window : windows) ours = ours || window == message->window;
    if (!ours) return false;
    // A position is answered "no drop here", a drop "nothing taken"; the rest need no answer.
    if (message->type == xdnd[kPosition] || message->type == xdnd[kDrop]) {
        xcb_client_message_event_t answer{};
        answer.response_type = XCB_CLIENT_MESSAGE;
        answer.format = 32;
        const xcb_window_t source = message->data.data32[0];
        answer.window = source;
        answer.type = message->type == xdnd[kPosition] ? xdnd[kStatus] : xdnd[kFinished];
        answer.data.data32[0] = message->window;
        xcb_send_event(impl_->connection, 0, source, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&answer));
        xcb_flush(impl_->connection);
    }
    return true;
}

}  // namespace velmora::platform
