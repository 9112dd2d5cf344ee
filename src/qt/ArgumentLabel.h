#pragma once

#include <QLabel>

#include "core/panel/DropRule.h"
#include "qt/DragReader.h"

namespace velmora {

// The argument label: takes dropped files or text for the next launch; a double-click disarms.
class ArgumentLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ArgumentLabel(QWidget* parent = nullptr);

  Q_SIGNALS:
    void dropped(const velmora::DropData& data, int modifiers);
    void doubleClicked();

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    DragReader drag_;
};

}  // namespace velmora
