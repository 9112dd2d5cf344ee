#pragma once

#include <memory>
#include <optional>
#include <utility>

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

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace velmora::platform
