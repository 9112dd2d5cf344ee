#pragma once

#include <memory>
#include <vector>

#include "core/panel/PanelView.h"
#include "core/panel/WindowKind.h"

class QAbstractNativeEventFilter;
class QObject;
class QSocketNotifier;
class QWidget;

namespace velmora::platform {
class PointerMotion;
class PointerQuery;
class ScreenLock;
}  // namespace velmora::platform

namespace velmora {

class EdgeStrip;
class StripInputForwarder;

// The primary screen and the pointer as the toolkit reports them, read afresh on every call.
class QtScreen : public IScreen {
  public:
    QtScreen();
    ~QtScreen() override;

    double LeftTwips() const override;
    double TopTwips() const override;
    double WidthTwips() const override;
    double HeightTwips() const override;
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    std::pair<int, int> CursorPos() const override;
    bool PointerElsewhere() const override { return elsewhere_; }
    void WatchEdge(const PixelRect& strip, const std::vector<PixelRect>& aroundPanel) override;
    bool ReportsEdge() const override { return strip_ != nullptr; }
    bool ReportsMotion() const override { return motion_ != nullptr; }
    bool SeesPointerOnlyOverOwnWindows() const override { return strip_ != nullptr; }
    void WatchMotion(bool on) override;
    bool KeepsRestingPointerWhereItWas() const override {
        return xwayland_ && velmora::KeepsRestingPointerWhereItWas(windowKind_);
    }
    bool LooksForPointerAgainAsItShows() const override {
        return xwayland_ && velmora::LooksForPointerAgainAsItShows(windowKind_);
    }
    void ParkServerPointer(std::pair<int, int> from, std::pair<int, int> to) override;
    bool Locked() const override;

    // The kind of window the panel is to be on this display.
    PanelWindowKind windowKind() const { return windowKind_; }
    // What the user does at the strip while the X server's pointer is parked there goes to
    // `panel` (which may go first).
    void ForwardStripInputTo(QWidget& panel);

  private:
    // On the X11 back end the pointer and the lock are asked for directly; elsewhere the
    // toolkit's pointer is used and the screen counts as unlocked. In a Wayland session's X
    // server transparent windows watch the strip and the bands around the shown panel; on
    // another X server the user's raw input is listened for while the panel is hidden.
    std::unique_ptr<platform::PointerQuery> pointer_;
    std::unique_ptr<platform::ScreenLock> lock_;
    std::unique_ptr<platform::PointerMotion> motion_;
    std::unique_ptr<QSocketNotifier> motionNotifier_;
    std::unique_ptr<QObject> screenWatch_;  // the screens' signals, for as long as this lives
    bool xwayland_ = false;
    PanelWindowKind windowKind_ = PanelWindowKind::OutsideManagement;
    mutable bool elsewhere_ = false;
    std::unique_ptr<EdgeStrip> strip_;
    std::vector<std::uintptr_t> stripWindows_;  // the strip's and the bands' native handles
    std::unique_ptr<QAbstractNativeEventFilter> dragMessages_;
    std::vector<std::unique_ptr<EdgeStrip>> bands_;   // around the shown panel
    std::unique_ptr<StripInputForwarder> forwarder_;  // gone before the strip
};

}  // namespace velmora
