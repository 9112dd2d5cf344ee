#pragma once

#include "launcher/PanelInterfaces.h"

namespace velmora {

// The primary screen and the pointer as the toolkit reports them, read afresh on every call.
class QtScreen : public IScreen {
public:
    double WidthTwips() const override;
    double HeightTwips() const override;
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    std::pair<int, int> CursorPos() const override;
};

}  // namespace velmora
