#include "core/panel/Geometry.h"

#include "core/settings/TextToInteger.h"

namespace velmora {

CornerPoint CornerPosition(std::int32_t windowPosition, double sw, double sh, double w, double h) {
    switch (windowPosition) {
        case 0: return {CheckedInt32(sw - w), 0};
        case 1: return {CheckedInt32(sw - w), CheckedInt32(sh - h)};
        case 2: return {0, 0};
        case 3: return {0, CheckedInt32(sh - h)};
        default: return {0, 0};
    }
}

std::optional<double> ScaledWindowWidth(std::int32_t windowWidth, std::int32_t baseWidth) {
    const auto base = static_cast<std::int64_t>(baseWidth);
    switch (windowWidth) {
        case 0: return static_cast<double>(baseWidth);
        case 1: return static_cast<double>(static_cast<float>(baseWidth * 1.5));
        case 2: return static_cast<double>(CheckedInt32(static_cast<double>(base * 2)));
        case 3: return static_cast<double>(static_cast<float>(baseWidth * 2.5));
        case 4: return static_cast<double>(CheckedInt32(static_cast<double>(base * 3)));
        default: return std::nullopt;
    }
}

StretchedLayout StretchLayout(double actualWidth, std::int32_t baseWidth, std::int32_t baseListWidth,
                              double twipsPerPixelX) {
    const std::int32_t margin = CheckedInt32(static_cast<double>(baseWidth) - baseListWidth);
    return {actualWidth - margin, actualWidth - twipsPerPixelX};
}

}  // namespace velmora
