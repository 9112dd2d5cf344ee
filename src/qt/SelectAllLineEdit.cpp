#include "qt/SelectAllLineEdit.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace velmora {

void SelectAllLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
    // A click that brought the focus would otherwise place the caret and drop the selection.
    selectOnNextClick_ = event->reason() == Qt::MouseFocusReason;
}

void SelectAllLineEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (selectOnNextClick_) {
        selectOnNextClick_ = false;
        selectAll();
    }
}

}  // namespace velmora
