#include "launcher/Geometry.h"

#include <stdexcept>

#include "app/TextToInteger.h"

namespace velmora {

namespace {

// Geometry beyond 32 bits cannot come from a real screen; treat it as the fatal fault it is.
std::int32_t Checked(double value) {
    const auto v = ToInt32(value);
    if (!v) throw std::overflow_error("window geometry out of range");
    return *v;
}

}  // namespace

CornerPoint CornerPosition(std::int32_t windowPosition, double sw, double sh, double w, double h) {
    switch (windowPosition) {
        case 0: return {Checked(sw - w), 0};
        case 1: return {Checked(sw - w), Checked(sh - h)};
        case 2: return {0, 0};
        case 3: return {0, Checked(sh - h)};
        default: return {0, 0};
    }
}

std::optional<double> ScaledWindowWidth(std::int32_t windowWidth, std::int32_t baseWidth) {
    const auto base = static_cast<std::int64_t>(baseWidth);
    switch (windowWidth) {
        case 0: return static_cast<double>(baseWidth);
        case 1: return static_cast<double>(static_cast<float>(baseWidth * 1.5));
        case 2: return static_cast<double>(Checked(static_cast<double>(base * 2)));
        case 3: return static_cast<double>(static_cast<float>(baseWidth * 2.5));
        case 4: return static_cast<double>(Checked(static_cast<double>(base * 3)));
        default: return std::nullopt;
    }
}

StretchedLayout StretchLayout(double actualWidth, std::int32_t baseWidth, std::int32_t baseListWidth,
                              double twipsPerPixelX) {
    const std::int32_t margin = Checked(static_cast<double>(baseWidth) - baseListWidth);
    return {actualWidth - margin, actualWidth - twipsPerPixelX};
}

}  // namespace velmora
