#pragma once

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace velmora::platform {

// The pointer's position on the screen in pixels, asked of the window system directly.
//
// On X11 this keeps a small connection of its own: a query on the toolkit's connection wakes its
// event-reader thread and hands the reply across threads four times a second, which costs the
// hidden panel more CPU than the query itself.
class PointerQuery {
  public:
    PointerQuery();
    ~PointerQuery();
    PointerQuery(const PointerQuery&) = delete;
    PointerQuery& operator=(const PointerQuery&) = delete;

    struct Place {
        int x = 0;
        int y = 0;
        // Over a top-level window of the window system's. In a Wayland session's X server, not
        // so means over one of the session's own windows, where x and y are left stale.
        bool overWindow = true;
    };
    // nullopt when the window system cannot be asked this way (then ask the toolkit).
    std::optional<Place> Position();

    // In a Wayland session's X server the pointer stands still while the session's own programs
    // drag something over the program's windows; only the drag's messages to them tell where
    // it is. Hand every event of the toolkit's connection here (an xcb_generic_event_t on X11):
    // while a drag is over a window of the program's, or just gone from one, Position reports
    // the drag's place (once more after it left: it may be on its way onto a window that
    // appears over the one it left). True when a drag has just come over one.
    bool NoteDragMessage(const void* event);

    // Moves the X server's pointer to x, y (device pixels). In a Wayland session's X server this
    // moves only its own idea of the pointer, not the pointer the user sees. Not while a drag is
    // followed: its place is the drag's. True when moved.
    bool Warp(int x, int y);

    // Answers a drag's message to one of `windows` (native handles of windows that take no
    // drops: the strip) itself, declining the drag, so that the toolkit need not see it. True
    // when the event was such a message: do not hand it on. (Qt's xcb back end, answering the
    // message to one window, takes the drag's next messages from its queue however many windows
    // they are for; the window that comes under the drag would never hear its first one.)
    bool DeclineDragMessage(const void* event, const std::vector<std::uintptr_t>& windows);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace velmora::platform
