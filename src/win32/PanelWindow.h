#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "core/panel/PanelView.h"
#include "core/ui/Layout.h"
#include "win32/Dpi.h"
#include "win32/DropTarget.h"
#include "win32/ToolTipWindow.h"
#include "win32/Win32ListControl.h"
#include "win32/Win32Window.h"

namespace velmora::win32 {

// The panel: a topmost popup tool window (no taskbar button, no Alt+Tab entry) that never takes
// the focus when it appears. It places its controls from the core's layout at its monitor's DPI,
// adapts them to the core's views and forwards their events.
class PanelWindow : public Win32Window, public IPanelView, public ITimer {
  public:
    // Posted by Unload.
    static constexpr UINT kUnloadMessage = WM_APP + 1;
    enum ControlId { kList = 100, kExit, kSettings, kSeparator, kArgument, kKeyHelp, kAbout };

    PanelWindow();
    ~PanelWindow() override;

    IListControl& listControl() { return *list_; }
    HWND control(ControlId id) const { return ::GetDlgItem(hwnd(), id); }
    // The child id of a control of the core's layout.
    static int IdOf(layout::panel::Control control);
    DropTarget& listDropTarget() { return *listDrop_; }
    DropTarget& argumentDropTarget() { return *argumentDrop_; }
    bool argumentBold() const { return argumentBold_; }
    const std::string& argumentToolTip() const { return argumentToolTip_; }
    double borderX() const { return borderX_; }
    int dpi() const { return layout_.dpi(); }

    // The desktop session ends (WM_ENDSESSION): the program must save now.
    std::function<void()> onEndSession;

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
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void BuildControls();
    void Paint();
    RECT WindowRect() const;
    void Raise(const std::function<void()>& event);
    void RunTimer();

    DpiLayout layout_;
    std::unique_ptr<ToolTipWindow> toolTip_;
    std::unique_ptr<Win32ListControl> list_;
    std::unique_ptr<DropTarget> listDrop_;
    std::unique_ptr<DropTarget> argumentDrop_;
    SubclassHandler argumentRelay_;
    bool timerEnabled_ = false;
    bool idle_ = false;  // enabled, but nothing to poll for: no ticks
    bool ticking_ = false;
    std::optional<ULONGLONG> soonDue_;  // when TickSoon's call comes
    bool argumentBold_ = false;
    std::string argumentToolTip_;
    double borderX_ = 0;  // the right line's x in twips; the core's layout decides it
    double widthTwips_ = layout::panel::kWidth;
};

}  // namespace velmora::win32
