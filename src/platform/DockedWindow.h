#pragma once

#include <cstdint>
#include <memory>

namespace velmora::platform {

// A panel docked at a screen edge that stands outside window management (on X11 an
// override-redirect window): it lands exactly where it is put under every window manager, it is
// on every workspace, and no taskbar, pager or task switcher lists it. What a window manager
// would otherwise do for it is done here: the window that had the keyboard focus before a click
// on the panel gets it back when the panel hides, and the panel is raised again when a managed
// window comes over it, but never over the program's own dialogs. On Windows the window's own flags
// say all of this, and this does nothing. Every `window` is the native handle of the panel (an X11
// window id).
class DockedWindow {
  public:
    DockedWindow();
    ~DockedWindow();
    DockedWindow(const DockedWindow&) = delete;
    DockedWindow& operator=(const DockedWindow&) = delete;

    // Before the panel takes the keyboard focus: remembers where the focus is now.
    void RememberFocus(std::uintptr_t window);
    // Before the panel hides: if it has the focus, hands it back to the remembered window (or,
    // when that one is gone, to whatever window is under the pointer).
    void ReturnFocus(std::uintptr_t window);
    // While the panel shows: raises it if a managed window overlaps it from above.
    void KeepAbove(std::uintptr_t window);
    // When one of the program's own windows (a dialog, a message) comes up: puts the panel just
    // below it (below its window manager's frame), so that the panel never covers it.
    void StayBelow(std::uintptr_t window, std::uintptr_t other);
    // After a click on the panel, or as a dialog of ours comes up, where the compositor gives the
    // keyboard to an X window outside window management only as one that asks for it is mapped
    // (sway and its kin): maps a one-pixel window over the corner of `window` (the panel or the
    // dialog) that asks for it. The compositor's keys then reach the X server; the window holds
    // them with a keyboard grab of its own. Until ReleaseKeyboard, as the panel hides or the
    // dialog closes: then the compositor gives its own window the keyboard again.
    void RequestKeyboard(std::uintptr_t window);
    void ReleaseKeyboard();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace velmora::platform
