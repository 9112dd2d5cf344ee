#pragma once

#include <QLineEdit>

namespace velmora {

// A text box that selects its whole text whenever it gets the focus, so typing replaces it.
class SelectAllLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool selectOnNextClick_ = false;
};

}  // namespace velmora
