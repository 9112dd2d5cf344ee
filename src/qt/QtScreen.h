#pragma once

#include <memory>

#include "core/panel/PanelView.h"

namespace velmora::platform {
class PointerQuery;
}

namespace velmora {

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

  private:
    // On the X11 back end the pointer is asked for directly; elsewhere through the toolkit.
    std::unique_ptr<platform::PointerQuery> pointer_;
};

}  // namespace velmora
