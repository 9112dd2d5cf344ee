#include "qt/StripInputForwarder.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace velmora {

StripInputForwarder::StripInputForwarder(QWidget& strip, QWidget& panel)
    : strip_(strip), panel_(&panel) {
    strip.installEventFilter(this);
    panel.installEventFilter(this);
}

void StripInputForwarder::Park(QPoint from, QPoint to) {
    parked_ = std::pair{from, to};
    parkedSeen_ = false;
}

bool StripInputForwarder::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched != &strip_) {
        if (type == QEvent::Hide) parked_.reset();
        return false;
    }
    if (panel_ == nullptr) return false;
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove && type != QEvent::Wheel)
        return false;
    const auto* input = static_cast<const QSinglePointEvent*>(event);
    QPoint global = input->globalPosition().toPoint();
    if (parked_ && global == parked_->second) {
        global = parked_->first;
        if (type == QEvent::MouseMove) parkedSeen_ = true;
    } else if (type == QEvent::MouseMove && parkedSeen_) {
        // A move after the one parking made: the X server has the pointer where it is. (The moves
        // before are older news still in the queue.)
        parked_.reset();
    }
    QWidget* target = pressed_;
    if (target == nullptr) {
        // Only a press or a turn of the wheel over the shown panel; the strip's own moves are its.
        if (type == QEvent::MouseMove || !panel_->isVisible() ||
            !panel_->geometry().contains(global))
            return false;
        target = panel_->childAt(panel_->mapFromGlobal(global));
        if (target == nullptr) target = panel_;
    }
    const QPointF local = target->mapFromGlobal(QPointF(global));
    if (type == QEvent::Wheel) {
        const auto* wheel = static_cast<const QWheelEvent*>(event);
        QWheelEvent copy(local, QPointF(global), wheel->pixelDelta(), wheel->angleDelta(),
                         wheel->buttons(), wheel->modifiers(), wheel->phase(), wheel->inverted(),
                         wheel->source(), wheel->pointingDevice());
        copy.setTimestamp(wheel->timestamp());
        QCoreApplication::sendEvent(target, &copy);
        return true;
    }
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) pressed_ = target;
    QMouseEvent copy(type, local, QPointF(global), mouse->button(), mouse->buttons(),
                     mouse->modifiers(), mouse->pointingDevice());
    // The toolkit keeps each press's time for telling a double click: a copy without it would
    // make the next press a single one.
    copy.setTimestamp(mouse->timestamp());
    QCoreApplication::sendEvent(target, &copy);
    if (type == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton) pressed_ = nullptr;
    return true;
}

}  // namespace velmora
