#include "core/panel/Geometry.h"

#include <algorithm>

#include "core/settings/TextToInteger.h"

namespace velmora {

CornerPoint CornerPosition(std::int32_t windowPosition, double sw, double sh, double w, double h) {
    // A panel larger than the screen (a high scale on a small screen) keeps its top-left part,
    // with the buttons, on the screen instead of leaving them off its top or left edge.
    const auto fit = [](double position) {
        return std::max<std::int32_t>(0, CheckedInt32(position));
    };
    switch (windowPosition) {
        case 0:
            return {fit(sw - w), 0};
        case 1:
            return {fit(sw - w), fit(sh - h)};
        case 2:
            return {0, 0};
        case 3:
            return {0, fit(sh - h)};
        default:
            return {0, 0};
    }
}

std::optional<double> ScaledWindowWidth(std::int32_t windowWidth, std::int32_t baseWidth) {
    const auto base = static_cast<std::int64_t>(baseWidth);
    switch (windowWidth) {
        case 0:
            return static_cast<double>(baseWidth);
        case 1:
            return static_cast<double>(static_cast<float>(baseWidth * 1.5));
        case 2:
            return static_cast<double>(CheckedInt32(static_cast<double>(base * 2)));
        case 3:
            return static_cast<double>(static_cast<float>(baseWidth * 2.5));
        case 4:
            return static_cast<double>(CheckedInt32(static_cast<double>(base * 3)));
        default:
            return std::nullopt;
    }
}

StretchedLayout StretchLayout(double actualWidth, std::int32_t baseWidth,
                              std::int32_t baseListWidth, double twipsPerPixelX) {
    const std::int32_t margin = CheckedInt32(static_cast<double>(baseWidth) - baseListWidth);
    return {actualWidth - margin, actualWidth - twipsPerPixelX};
}

}  // namespace velmora
