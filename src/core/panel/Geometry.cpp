#include "core/panel/Geometry.h"

#include <algorithm>
#include <cmath>

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

namespace {

bool Contains(const PixelRect& r, double x, double y) {
    return r.left <= x && x < r.left + r.width && r.top <= y && y < r.top + r.height;
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

}  // namespace

namespace {

// The monitor holding the point (its rectangle in logical pixels, or in device pixels from the
// same origin), else the first one. `monitors` is not empty.
const Monitor& MonitorHolding(const std::vector<Monitor>& monitors, std::pair<int, int> point,
                              bool devicePixels) {
    for (const Monitor& m : monitors) {
        const PixelRect r = devicePixels ? PixelRect{m.logical.left, m.logical.top,
                                                     static_cast<int>(m.logical.width * m.ratio),
                                                     static_cast<int>(m.logical.height * m.ratio)}
                                         : m.logical;
        if (Contains(r, point.first, point.second)) return m;
    }
    return monitors.front();
}

double RatioOf(const Monitor& m) { return m.ratio > 0 ? m.ratio : 1; }

}  // namespace

std::pair<int, int> DeviceToLogical(std::pair<int, int> device,
                                    const std::vector<Monitor>& monitors) {
    if (monitors.empty()) return device;
    const Monitor& on = MonitorHolding(monitors, device, true);
    const double ratio = RatioOf(on);
    const auto map = [ratio](int value, int origin) {
        return origin + static_cast<int>(std::floor((value - origin) / ratio));
    };
    return {map(device.first, on.logical.left), map(device.second, on.logical.top)};
}

std::pair<int, int> LogicalToDevice(std::pair<int, int> logical,
                                    const std::vector<Monitor>& monitors) {
    if (monitors.empty()) return logical;
    const Monitor& on = MonitorHolding(monitors, logical, false);
    const double ratio = RatioOf(on);
    const auto map = [ratio](int value, int origin) {
        return origin + static_cast<int>(std::ceil((value - origin) * ratio));
    };
    return {map(logical.first, on.logical.left), map(logical.second, on.logical.top)};
}

std::pair<int, int> DialogPlacement(const PixelRect& screen, const std::optional<PixelRect>& panel,
                                    int width, int height, int gap) {
    const int top = screen.top + std::max(0, (screen.height - height) / 2);
    const int centred = screen.left + (screen.width - width) / 2;
    if (!panel || !Overlap({centred - gap, top, width + 2 * gap, height}, *panel)) {
        return {centred, top};
    }
    const int screenRight = screen.left + screen.width;
    const int leftBand = panel->left - screen.left;
    const int rightBand = screenRight - (panel->left + panel->width);
    int x = 0;
    if (leftBand >= rightBand) {
        // Centred in the band if it fits, else against the panel, but never off the screen.
        x = std::min(screen.left + (leftBand - width) / 2, panel->left - gap - width);
        x = std::max(x, screen.left);
    } else {
        const int bandLeft = panel->left + panel->width;
        x = std::max(bandLeft + (rightBand - width) / 2, bandLeft + gap);
        x = std::min(x, screenRight - width);
    }
    return {x, top};
}

}  // namespace velmora
