#include "qt/PlaceBesidePanel.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <optional>

#include "core/panel/Geometry.h"
#include "qt/PanelWindow.h"

namespace velmora {

namespace {

// Room for the window manager's frame between a dialog and the panel.
constexpr int kFrameGap = 8;

PixelRect ToPixelRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

void PlaceBesidePanel(QWidget* window) {
    std::optional<PixelRect> panel;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* p = qobject_cast<PanelWindow*>(top); p != nullptr && p->isVisible())
            panel = ToPixelRect(p->frameGeometry());
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QSize size = window->size().expandedTo(window->minimumSizeHint());
    const auto [x, y] = DialogPlacement(ToPixelRect(screen->availableGeometry()), panel,
                                        size.width(), size.height(), kFrameGap);
    window->move(x, y);
}

}  // namespace velmora
