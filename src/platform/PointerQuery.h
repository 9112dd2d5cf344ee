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

    // nullopt when the window system cannot be asked this way (then ask the toolkit).
    std::optional<std::pair<int, int>> Position();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace velmora::platform
