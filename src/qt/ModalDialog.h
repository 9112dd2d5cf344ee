#pragma once

#include <QDialog>
#include <functional>

#include "core/ui/Layout.h"

class QPushButton;

namespace velmora {

// A fixed-size dialog whose buttons, Enter, Esc and title-bar close all go to the core's
// button handler, following the dialog's key rules; the handler closes it through CloseDialog.
class ModalDialog : public QDialog {
    Q_OBJECT
  public:
    ModalDialog(const char* title, double clientWidth, double clientHeight, double fontPoints,
                layout::DialogKeys keys, std::function<void(int)> onButton);

    // Closes the dialog; the core's Close() lands here.
    void CloseDialog();
    // Esc and the title bar's close: the layout's Esc button.
    void reject() override;

  protected:
    // Enter on a focused button clicks that button, as on Windows; elsewhere the Enter button.
    void keyPressEvent(QKeyEvent* event) override;
    // Placed clear of the panel before it maps.
    void showEvent(QShowEvent* event) override;
    // A button of the layout's button index, forwarded to the handler; Enter presses the
    // layout's Enter button, if it has one.
    QPushButton* AddButton(int index, const char* caption, QWidget* parent, const TwipRect& place);

  private:
    layout::DialogKeys keys_;
    std::function<void(int)> onButton_;
};

}  // namespace velmora
