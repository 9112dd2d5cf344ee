#include "core/panel/WindowKind.h"

namespace velmora {

PanelWindowKind ChoosePanelWindowKind(bool xwayland, std::string_view windowManagerName) {
    // KWin sends no drag messages to override-redirect windows and keeps the keyboard with the
    // Wayland window after a click on one.
    if (xwayland && windowManagerName == "KWin") return PanelWindowKind::CriticalNotification;
    // wlroots' window manager lets no X window keep the focus that the compositor did not give
    // it, but leaves keyboard grabs alone.
    if (xwayland && windowManagerName == "wlroots wm")
        return PanelWindowKind::OutsideManagementHoldingKeys;
    return xwayland ? PanelWindowKind::OutsideManagementUnderXwayland
                    : PanelWindowKind::OutsideManagement;
}

bool KeepsRestingPointerWhereItWas(PanelWindowKind kind) {
    return kind == PanelWindowKind::CriticalNotification ||
           kind == PanelWindowKind::OutsideManagementHoldingKeys;
}

bool LooksForPointerAgainAsItShows(PanelWindowKind kind) {
    return kind == PanelWindowKind::OutsideManagementUnderXwayland;
}

}  // namespace velmora
