#pragma once

#include <cstdint>
#include <memory>

namespace velmora::platform {

// Tells the window manager that a top-level window is a panel docked at a screen edge: kept
// out of taskbars, pagers and task switchers, on every workspace, above other windows. On X11
// these are the EWMH states, written on the window before each showing (window managers drop
// them when a window is hidden); elsewhere the window's own flags say it, and this does nothing.
class DockedWindow {
  public:
    DockedWindow();
    ~DockedWindow();
    DockedWindow(const DockedWindow&) = delete;
    DockedWindow& operator=(const DockedWindow&) = delete;

    // window: the native handle of the unmapped window (an X11 window id).
    void MarkBeforeShowing(std::uintptr_t window);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace velmora::platform
