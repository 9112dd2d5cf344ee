#pragma once

#include <QLabel>

#include "core/panel/DropRule.h"

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
    void dropEvent(QDropEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace velmora
