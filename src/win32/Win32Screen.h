#pragma once

#include "core/panel/PanelView.h"

namespace velmora::win32 {

// The primary screen and the cursor, read afresh on every call.
class Win32Screen : public IScreen {
  public:
    double LeftTwips() const override;
    double TopTwips() const override;
    double WidthTwips() const override;
    double HeightTwips() const override;
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    std::pair<int, int> CursorPos() const override;
    // Windows shows its lock screen on a desktop of its own, where no window of ours appears.
    bool Locked() const override { return false; }
};

}  // namespace velmora::win32
