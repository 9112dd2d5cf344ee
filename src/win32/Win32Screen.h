#pragma once

#include <functional>

#include "core/panel/PanelView.h"
#include "win32/EdgeStripWindow.h"

namespace velmora::win32 {

// The primary screen and the cursor, read afresh on every call, in twips at the DPI the panel is
// shown at (its monitor's), so that the panel's place and the screen's agree. A window over the
// trigger strip and raw input tell the hidden panel when to look (win32/EdgeStripWindow.h).
class Win32Screen : public IScreen {
  public:
    explicit Win32Screen(std::function<int()> dpi);

    double LeftTwips() const override;
    double TopTwips() const override;
    double WidthTwips() const override;
    double HeightTwips() const override;
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    std::pair<int, int> CursorPos() const override;
    // Windows shows its lock screen on a desktop of its own, where no window of ours appears.
    bool Locked() const override { return false; }

    void WatchEdge(const PixelRect& strip, const std::vector<PixelRect>& aroundPanel) override;
    bool ReportsEdge() const override { return true; }
    bool ReportsMotion() const override { return true; }
    void WatchMotion(bool on) override { strip_.WatchRawInput(on); }

    HWND stripWindow() const { return strip_.hwnd(); }

  private:
    std::function<int()> dpi_;
    EdgeStripWindow strip_;
};

}  // namespace velmora::win32
