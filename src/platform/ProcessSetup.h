#pragma once

#include <string>

namespace velmora::platform {

// Process-wide preparations before any window exists. On POSIX a write past the file-size
// limit must fail with an error the save can report, not kill the process.
void PrepareProcess();

// The window-system back end the program asks the toolkit for, or empty for its default.
// On Linux that is X11 (also through XWayland): the panel needs the global pointer position
// and free window placement, which Wayland does not grant to ordinary clients.
std::string PreferredGuiPlatform();

}  // namespace velmora::platform
