#include "platform/DockedWindow.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#include "platform/XcbDisplay_posix.h"

namespace velmora::platform {

// Its own connection: the toolkit's stays the toolkit's. Nothing selects events on it, so only
// the replies asked for arrive.
struct DockedWindow::Impl {
    xcb_connection_t* connection = nullptr;
    std::optional<xcb_window_t> focusBefore;  // set by a click, until the panel hides
    xcb_window_t keyboardProxy = XCB_NONE;    // made at the first RequestKeyboard
    bool proxyMapped = false;
};

namespace {

// A reply, freed at the end of its scope.
template <typename Reply>
struct Freed {
    explicit Freed(Reply* r) : reply(r) {}
    ~Freed() { std::free(reply); }
    Freed(const Freed&) = delete;
    Freed& operator=(const Freed&) = delete;
    Reply* reply;
    Reply* operator->() const { return reply; }
    explicit operator bool() const { return reply != nullptr; }
};

bool Overlap(const xcb_get_geometry_reply_t& a, const xcb_get_geometry_reply_t& b) {
    return a.x < b.x + b.width + 2 * b.border_width && b.x < a.x + a.width + 2 * a.border_width &&
           a.y < b.y + b.height + 2 * b.border_width && b.y < a.y + a.height + 2 * a.border_width;
}

// The connection, with the events every client gets read off it first.
xcb_connection_t* Drained(xcb_connection_t* c) {
    DropEvents(c);
    return c;
}

// A desktop's own panel that is not a managed window (icewm's taskbar, say): a thin strip along a
// whole side of the screen. A locker covers the whole screen, menus and tooltips no whole side.
bool EdgeStrip(const xcb_get_geometry_reply_t& g, const xcb_get_geometry_reply_t& screen) {
    const int x = g.x, y = g.y, w = g.width, h = g.height;
    const int sw = screen.width, sh = screen.height;
    const bool across = x <= 0 && x + w >= sw && h * 4 < sh && (y <= 0 || y + h >= sh);
    const bool along = y <= 0 && y + h >= sh && w * 4 < sw && (x <= 0 || x + w >= sw);
    return across || along;
}

}  // namespace

DockedWindow::DockedWindow() : impl_(std::make_unique<Impl>()) {
    impl_->connection = ConnectToDisplay().connection;
}

DockedWindow::~DockedWindow() {
    if (impl_->connection != nullptr) xcb_disconnect(impl_->connection);
}

void DockedWindow::RememberFocus(std::uintptr_t nativeWindow) {
    xcb_connection_t* c = Drained(impl_->connection);
    if (c == nullptr) return;
    const Freed<xcb_get_input_focus_reply_t> focus{
        xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)};
    if (!focus || focus->focus == static_cast<xcb_window_t>(nativeWindow)) return;
    impl_->focusBefore = focus->focus;
}

void DockedWindow::ReturnFocus(std::uintptr_t nativeWindow) {
    xcb_connection_t* c = Drained(impl_->connection);
    if (c == nullptr || !impl_->focusBefore) return;
    xcb_window_t target = *std::exchange(impl_->focusBefore, std::nullopt);
    const Freed<xcb_get_input_focus_reply_t> focus{
        xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)};
    // Focus moved on by itself (a dialog, a click elsewhere): it is not ours to hand back.
    if (!focus || focus->focus != static_cast<xcb_window_t>(nativeWindow)) return;
    if (target != XCB_NONE && target != XCB_INPUT_FOCUS_POINTER_ROOT) {
        const Freed<xcb_get_window_attributes_reply_t> attributes{
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, target), nullptr)};
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) target = XCB_NONE;
    }
    if (target == XCB_NONE) target = XCB_INPUT_FOCUS_POINTER_ROOT;
    // Checked: the window may vanish meanwhile, and the error must not linger unread.
    std::free(xcb_request_check(
        c, xcb_set_input_focus_checked(c, XCB_INPUT_FOCUS_POINTER_ROOT, target, XCB_CURRENT_TIME)));
}

void DockedWindow::KeepAbove(std::uintptr_t nativeWindow) {
    xcb_connection_t* c = Drained(impl_->connection);
    if (c == nullptr) return;
    const auto window = static_cast<xcb_window_t>(nativeWindow);
    const Freed<xcb_get_geometry_reply_t> own{
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr)};
    if (!own) return;
    const Freed<xcb_query_tree_reply_t> tree{
        xcb_query_tree_reply(c, xcb_query_tree(c, own->root), nullptr)};
    if (!tree) return;
    // Children come bottom to top; only those above the panel matter.
    const xcb_window_t* children = xcb_query_tree_children(tree.reply);
    const int count = xcb_query_tree_children_length(tree.reply);
    int index = count - 1;
    while (index >= 0 && children[index] != window) --index;
    if (index < 0) return;
    const xcb_get_geometry_cookie_t screenCookie = xcb_get_geometry(c, own->root);
    std::vector<xcb_get_window_attributes_cookie_t> attributeCookies;
    std::vector<xcb_get_geometry_cookie_t> geometryCookies;
    for (int i = index + 1; i < count; ++i) {
        attributeCookies.push_back(xcb_get_window_attributes(c, children[i]));
        geometryCookies.push_back(xcb_get_geometry(c, children[i]));
    }
    const Freed<xcb_get_geometry_reply_t> screen{xcb_get_geometry_reply(c, screenCookie, nullptr)};
    // The topmost window over the panel that it belongs above: the panel goes just above it, not
    // to the very top, where a locker's window may be.
    xcb_window_t covering = XCB_NONE;
    for (std::size_t i = 0; i < attributeCookies.size(); ++i) {
        const Freed<xcb_get_window_attributes_reply_t> attributes{
            xcb_get_window_attributes_reply(c, attributeCookies[i], nullptr)};
        const Freed<xcb_get_geometry_reply_t> geometry{
            xcb_get_geometry_reply(c, geometryCookies[i], nullptr)};
        if (!attributes || !geometry || attributes->map_state != XCB_MAP_STATE_VIEWABLE ||
            !Overlap(*own.reply, *geometry.reply))
            continue;
        // Menus, tooltips, drag images and lockers are override-redirect too, and rightly on top.
        if (attributes->override_redirect == 0 ||
            (screen && EdgeStrip(*geometry.reply, *screen.reply)))
            covering = children[index + 1 + static_cast<int>(i)];
    }
    if (covering == XCB_NONE) return;
    const std::uint32_t values[] = {covering, XCB_STACK_MODE_ABOVE};
    xcb_configure_window(c, window, XCB_CONFIG_WINDOW_SIBLING | XCB_CONFIG_WINDOW_STACK_MODE,
                         values);
    // A round trip: the panel is on top when this returns.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

void DockedWindow::StayBelow(std::uintptr_t nativeWindow, std::uintptr_t nativeOther) {
    xcb_connection_t* c = Drained(impl_->connection);
    if (c == nullptr) return;
    // The other window's ancestor among the root's children: its frame, if it has one.
    auto top = static_cast<xcb_window_t>(nativeOther);
    for (;;) {
        const Freed<xcb_query_tree_reply_t> tree{
            xcb_query_tree_reply(c, xcb_query_tree(c, top), nullptr)};
        if (!tree) return;
        if (tree->parent == tree->root || tree->parent == XCB_NONE) break;
        top = tree->parent;
    }
    const std::uint32_t values[] = {top, XCB_STACK_MODE_BELOW};
    // Checked, and so a round trip: the frame may be gone by now.
    std::free(xcb_request_check(
        c, xcb_configure_window_checked(c, static_cast<xcb_window_t>(nativeWindow),
                                        XCB_CONFIG_WINDOW_SIBLING | XCB_CONFIG_WINDOW_STACK_MODE,
                                        values)));
}

void DockedWindow::RequestKeyboard(std::uintptr_t nativeWindow) {
    xcb_connection_t* c = Drained(impl_->connection);
    if (c == nullptr || impl_->proxyMapped) return;
    const Freed<xcb_get_geometry_reply_t> own{xcb_get_geometry_reply(
        c, xcb_get_geometry(c, static_cast<xcb_window_t>(nativeWindow)), nullptr)};
    if (!own) return;
    const Freed<xcb_translate_coordinates_reply_t> corner{xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, static_cast<xcb_window_t>(nativeWindow), own->root, 0, 0),
        nullptr)};
    if (!corner) return;
    if (impl_->keyboardProxy == XCB_NONE) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        impl_->keyboardProxy = xcb_generate_id(c);
        // Outside window management too, and black as the panel's frame there.
        const std::uint32_t values[] = {screen->black_pixel, 1};
        xcb_create_window(c, XCB_COPY_FROM_PARENT, impl_->keyboardProxy, own->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT,
                          XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
        // A normal window asks for the keyboard; the panel's own kind (a utility) does not, and
        // so takes none as it shows.
        const auto [type, normal] =
            InternAtoms<2>(c, {"_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_NORMAL"});
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, impl_->keyboardProxy, type, XCB_ATOM_ATOM, 32,
                            1, &normal);
    }
    const std::uint32_t place[] = {static_cast<std::uint32_t>(corner->dst_x),
                                   static_cast<std::uint32_t>(corner->dst_y), XCB_STACK_MODE_ABOVE};
    xcb_configure_window(c, impl_->keyboardProxy,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_STACK_MODE,
                         place);
    xcb_map_window(c, impl_->keyboardProxy);
    impl_->proxyMapped = true;
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

void DockedWindow::ReleaseKeyboard() {
    xcb_connection_t* c = Drained(impl_->connection);
    if (c == nullptr || !impl_->proxyMapped) return;
    xcb_unmap_window(c, impl_->keyboardProxy);
    impl_->proxyMapped = false;
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

}  // namespace velmora::platform
