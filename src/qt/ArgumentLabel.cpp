#include "qt/ArgumentLabel.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>

#include "qt/DropData.h"

namespace velmora {

ArgumentLabel::ArgumentLabel(QWidget* parent) : QLabel(parent) {
    setAcceptDrops(true);
    setTextFormat(Qt::PlainText);
}

void ArgumentLabel::dragEnterEvent(QDragEnterEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
    drag_.Enter(event->mimeData());
}

void ArgumentLabel::dragMoveEvent(QDragMoveEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void ArgumentLabel::dragLeaveEvent(QDragLeaveEvent* event) {
    QLabel::dragLeaveEvent(event);
    drag_.Leave();
}

void ArgumentLabel::dropEvent(QDropEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // Handled once the drop is over, as on the list.
    QMetaObject::invokeMethod(
        this,
        [this, data = drag_.Drop(event->mimeData()), modifiers = ModifierMask(event->modifiers())] {
            Q_EMIT dropped(data, modifiers);
        },
        Qt::QueuedConnection);
}

void ArgumentLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT doubleClicked();
}

}  // namespace velmora
