#pragma once

#include <string_view>

namespace velmora {

// How the panel's windows stand towards the window manager.
enum class PanelWindowKind {
    // Outside window management (on X11 override-redirect): it lands exactly in its corner under
    // every window manager, and the program itself keeps it above and hands the keyboard back.
    OutsideManagement,
    // The same in a Wayland session (GNOME, weston...), where the compositor hands the keyboard
    // back to its own window when the clicked panel hides: the program leaves the focus alone.
    OutsideManagementUnderXwayland,
    // Outside window management under a compositor that hands the keyboard back to its own
    // window at once after a click on such a window, and shows no other X window above a
    // full-screen one (the wlroots ones: sway and its kin). A click on the panel holds the
    // keyboard for it until it hides; the dialogs and messages stand outside window management
    // too and hold the keyboard while they are up.
    OutsideManagementHoldingKeys,
    // A managed, frameless critical notification: the only kind KWin keeps above a full-screen
    // window in a Wayland session that it also sends drags to and lets have the keyboard after a
    // click. KWin then keeps it above and returns the keyboard itself.
    CriticalNotification,
};

// The kind for this display. `xwayland`: the X server is a Wayland session's; `windowManagerName`:
// the name the window manager gives itself (empty when none does). An X11 session keeps the
// panel outside window management whatever its window manager.
PanelWindowKind ChoosePanelWindowKind(bool xwayland, std::string_view windowManagerName);

// Whether the compositor these kinds stand for, showing a window under a pointer at rest, goes on
// treating the pointer as over the window it was over until it moves (KWin, the wlroots ones).
// mutter looks again for the surface under the pointer as it shows the window; on X11 the X
// server has the pointer itself.
bool KeepsRestingPointerWhereItWas(PanelWindowKind kind);

// Whether the compositor these kinds stand for looks again for the surface under the pointer as
// it shows a window, a while after the X server has mapped it (mutter; weston's kind too).
bool LooksForPointerAgainAsItShows(PanelWindowKind kind);

}  // namespace velmora
