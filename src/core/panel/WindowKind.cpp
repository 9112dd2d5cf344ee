#include "core/panel/WindowKind.h"

namespace velmora {

PanelWindowKind ChoosePanelWindowKind(bool xwayland, std::string_view windowManagerName) {
    // KWin sends no drag messages to override-redirect windows and keeps the keyboard with the
    // Wayland window after a click on one.
    if (xwayland && windowManagerName == "KWin") return PanelWindowKind::CriticalNotification;
    return PanelWindowKind::OutsideManagement;
}

}  // namespace velmora
