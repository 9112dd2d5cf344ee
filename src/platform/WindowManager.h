#pragma once

#include <cstdint>
#include <string>

namespace velmora::platform {

// What the program asks of and tells the X display's window manager (POSIX only).

// The window manager's name as it gives it (EWMH: _NET_WM_NAME of the window the root's
// _NET_SUPPORTING_WM_CHECK names); empty with no display, no such window manager, or a check
// window left behind by one that is gone.
std::string WindowManagerName();

// Makes `window`, a top-level X window about to be mapped, a critical notification (a plain
// notification for window managers that do not know that kind) that no taskbar, pager or task
// switcher lists. Call it before every show: window managers drop a window's states when it is
// unmapped. Returns once the display has it.
void MarkAsCriticalNotification(std::uintptr_t window);

}  // namespace velmora::platform
