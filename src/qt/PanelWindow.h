#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "core/panel/PanelView.h"
#include "core/panel/WindowKind.h"
#include "qt/QtListControl.h"

class QLabel;
class QPushButton;

namespace velmora::platform {
class DockedWindow;
}

namespace velmora {

class ArgumentLabel;
class CompactTextLabel;
class ItemListWidget;

// The panel: a narrow, borderless, always-on-top window out of the taskbar. It places its
// controls from the core's layout, adapts them to the core's views and forwards their events.
class PanelWindow : public QWidget, public IPanelView, public ITimer {
    Q_OBJECT
  public:
    explicit PanelWindow(PanelWindowKind kind = PanelWindowKind::OutsideManagement,
                         QWidget* parent = nullptr);
    ~PanelWindow() override;

    IListControl& listControl() { return *listControl_; }
    ItemListWidget* list() const { return list_; }
    ArgumentLabel* argumentLabel() const { return argumentLabel_; }
    CompactTextLabel* keyHelpLabel() const { return keyHelpLabel_; }
    QPushButton* exitButton() const { return exitButton_; }
    QPushButton* settingsButton() const { return settingsButton_; }
    QPushButton* separatorButton() const { return separatorButton_; }
    QPushButton* aboutButton() const { return aboutButton_; }
    QTimer* timer() { return &timer_; }
    double borderX() const { return borderX_; }

    // IPanelView
    double Width() const override;
    void SetWidth(double twips) override;
    double Height() const override;
    double Left() const override;
    double Top() const override;
    void SetLeft(double twips) override;
    void SetTop(double twips) override;
    bool IsVisible() const override;
    void Show() override;
    void Hide() override;
    void MakeTopmost() override;
    double ListWidth() const override;
    void SetListWidth(double twips) override;
    void SetBorderX(double twips) override;
    void SetKeyHelp(const std::string& text) override;
    void SetArgumentLabelLook(bool bold, const std::string& toolTip) override;
    void Unload() override;

    // ITimer
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;
    void SetIdle(bool idle) override;
    void TickSoon(int ms) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    // Runs the timer while it is enabled and not idle.
    void RunTimer();
    // Holds the keyboard for the panel after a click, or for a dialog of ours as it comes up,
    // where the compositor would take it back at once; null lets it go.
    void HoldKeysFor(QWidget* window);

    ItemListWidget* list_ = nullptr;
    ArgumentLabel* argumentLabel_ = nullptr;
    CompactTextLabel* keyHelpLabel_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QPushButton* settingsButton_ = nullptr;
    QPushButton* separatorButton_ = nullptr;
    QPushButton* aboutButton_ = nullptr;
    PanelWindowKind kind_;
    QTimer timer_;
    QTimer soonTimer_;  // TickSoon's
    bool enabled_ = true;
    bool idle_ = false;
    bool dragOver_ = false;         // a drag is over one of the panel's drop targets
    QPointer<QWidget> keysHolder_;  // the window holding the keyboard, if any
    std::unique_ptr<QtListControl> listControl_;
    std::unique_ptr<platform::DockedWindow> docked_;  // on X11, outside window management
    double borderX_ = 0;  // the right line's x in twips; the core's layout decides it
};

}  // namespace velmora
