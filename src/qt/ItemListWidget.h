#pragma once

#include <QListWidget>

#include "core/panel/ListControl.h"
#include "qt/DragReader.h"

namespace velmora {

// The item list as the user touches it: it reports key releases, mouse releases, double-clicks and
// drops, and keeps the list conventions of IListControl (a right click does not move the
// selection; Alt+arrows do not move it either).
class ItemListWidget : public QListWidget {
    Q_OBJECT
  public:
    explicit ItemListWidget(QWidget* parent = nullptr);

  Q_SIGNALS:
    void keyReleased(velmora::ListKey key, int modifiers);
    void mouseReleased(velmora::MouseButton button, int modifiers);
    void doubleClicked();
    void dropped(const velmora::DropData& data);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    DragReader drag_;
};

}  // namespace velmora
