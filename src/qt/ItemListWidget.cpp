#include "qt/ItemListWidget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "qt/DropData.h"

namespace velmora {

ItemListWidget::ItemListWidget(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

void ItemListWidget::keyPressEvent(QKeyEvent* event) {
    // A list box ignores arrows while Alt is held; Alt+Up/Down are the move commands.
    if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) &&
        (event->modifiers() & Qt::AltModifier)) {
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ItemListWidget::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;  // holding a key down acts once, on the real release
    ListKey key = ListKey::Other;
    switch (event->key()) {
        case Qt::Key_Delete:
            key = ListKey::Delete;
            break;
        case Qt::Key_Up:
            key = ListKey::Up;
            break;
        case Qt::Key_Down:
            key = ListKey::Down;
            break;
        default:
            break;
    }
    Q_EMIT keyReleased(key, ModifierMask(event->modifiers()));
    QListWidget::keyReleaseEvent(event);
}

void ItemListWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();  // the right button acts on the selected item, wherever it is pressed
        return;
    }
    QListWidget::mousePressEvent(event);
}

void ItemListWidget::mouseReleaseEvent(QMouseEvent* event) {
    const MouseButton button = event->button() == Qt::RightButton  ? MouseButton::Right
                               : event->button() == Qt::LeftButton ? MouseButton::Left
                                                                   : MouseButton::Other;
    if (button == MouseButton::Right) {
        event->accept();
    } else {
        QListWidget::mouseReleaseEvent(event);
    }
    Q_EMIT mouseReleased(button, ModifierMask(event->modifiers()));
}

void ItemListWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    QListWidget::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

void ItemListWidget::dragEnterEvent(QDragEnterEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
    drag_.Enter(event->mimeData());
}

void ItemListWidget::dragMoveEvent(QDragMoveEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void ItemListWidget::dragLeaveEvent(QDragLeaveEvent* event) {
    QListWidget::dragLeaveEvent(event);
    drag_.Leave();
}

void ItemListWidget::dropEvent(QDropEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // Handled once the drop is over: a message about it (a full list) must not keep the drag
    // source waiting for the drop's end.
    QMetaObject::invokeMethod(
        this, [this, data = drag_.Drop(event->mimeData())] { Q_EMIT dropped(data); },
        Qt::QueuedConnection);
}

}  // namespace velmora
