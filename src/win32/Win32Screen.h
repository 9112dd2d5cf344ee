#pragma once

#include <functional>

#include "core/panel/PanelView.h"

namespace velmora::win32 {

// The primary screen and the cursor, read afresh on every call, in twips at the DPI the panel is
// shown at (its monitor's), so that the panel's place and the screen's agree.
class Win32Screen : public IScreen {
  public:
    explicit Win32Screen(std::function<int()> dpi) : dpi_(std::move(dpi)) {}

    double LeftTwips() const override;
    double TopTwips() const override;
    double WidthTwips() const override;
    double HeightTwips() const override;
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    std::pair<int, int> CursorPos() const override;
    // Windows shows its lock screen on a desktop of its own, where no window of ours appears.
    bool Locked() const override { return false; }

  private:
    std::function<int()> dpi_;
};

}  // namespace velmora::win32
