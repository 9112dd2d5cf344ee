#include "qt/EdgeStrip.h"

#include <QPainter>

#include "platform/WindowManager.h"

namespace velmora {

namespace {
Qt::WindowFlags StripFlags(PanelWindowKind kind) {
    if (kind == PanelWindowKind::CriticalNotification)
        return Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
    return Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
           Qt::BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus;
}
}  // namespace

EdgeStrip::EdgeStrip(PanelWindowKind kind) : QWidget(nullptr, StripFlags(kind)), kind_(kind) {
    setWindowTitle(QStringLiteral("velmora-edge"));
    // A 32-bit window painted fully transparent: nothing of it shows.
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    setMouseTracking(true);
}

void EdgeStrip::Place(const QRect& strip) {
    if (strip.isEmpty()) {
        hide();
        return;
    }
    if (geometry() != strip) setGeometry(strip);
    if (isVisible()) return;
    if (kind_ == PanelWindowKind::CriticalNotification)
        platform::MarkAsCriticalNotification(static_cast<std::uintptr_t>(winId()));
    show();
}

void EdgeStrip::enterEvent(QEnterEvent*) {
    if (touched) touched();
}

// An Enter may come though the pointer did not (see the core's tick): a move tells for sure.
void EdgeStrip::mouseMoveEvent(QMouseEvent*) {
    if (touched) touched();
}

void EdgeStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
}

}  // namespace velmora
