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
}

void ArgumentLabel::dragMoveEvent(QDragMoveEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void ArgumentLabel::dropEvent(QDropEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
    Q_EMIT dropped(ReadDrop(event->mimeData()), ModifierMask(event->modifiers()));
}

void ArgumentLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT doubleClicked();
}

}  // namespace velmora
