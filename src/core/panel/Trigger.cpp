#include "core/panel/Trigger.h"

#include <algorithm>
#include <cstdint>

#include "core/settings/TextToInteger.h"

namespace velmora {

TriggerStrip ComputeTriggerStrip(std::int32_t windowPosition, std::int32_t capturePixel,
                                 double screenWidth, double twipsPerPixelX) {
    if (windowPosition == 0 || windowPosition == 1) {
        const double w = screenWidth / twipsPerPixelX;
        return {CheckedInt32(w - capturePixel), CheckedInt32(w)};
    }
    if (windowPosition == 2 || windowPosition == 3) return {0, capturePixel};
    return {};
}

PixelRect TriggerStripRect(const TriggerInputs& in) {
    const TriggerStrip strip =
        ComputeTriggerStrip(in.windowPosition, in.capturePixel, in.screenWidth, in.twipsPerPixelX);
    if (strip.high <= strip.low) return {};
    return {CheckedInt32(static_cast<double>(in.screenLeft) + strip.low), in.screenTop,
            strip.high - strip.low, CheckedInt32(in.screenHeight / in.twipsPerPixelY)};
}

namespace {
std::int64_t Pixels(double twips, double perPixel) {
    return static_cast<std::int64_t>(CheckedInt32(twips / perPixel));
}

struct PanelEdges {
    std::int64_t left, top, right, bottom;
};

PanelEdges PanelEdgesOf(const TriggerInputs& in) {
    return {Pixels(in.panelLeft, in.twipsPerPixelX), Pixels(in.panelTop, in.twipsPerPixelY),
            Pixels(in.panelLeft + in.panelWidth, in.twipsPerPixelX),
            Pixels(in.panelTop + in.panelHeight, in.twipsPerPixelY)};
}

int ClampToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}
}  // namespace

PixelRect PanelPixelRect(const TriggerInputs& in) {
    if (!in.panelVisible) return {};
    const PanelEdges e = PanelEdgesOf(in);
    return {ClampToInt(e.left), ClampToInt(e.top),
            ClampToInt(std::max<std::int64_t>(0, e.right - e.left)),
            ClampToInt(std::max<std::int64_t>(0, e.bottom - e.top))};
}

std::vector<PixelRect> PanelSurroundings(const TriggerInputs& in) {
    if (!in.panelVisible) return {};
    const auto [left, top, right, bottom] = PanelEdgesOf(in);
    const std::int64_t m = kPanelSurroundPixels;
    const std::int64_t screenLeft = in.screenLeft, screenTop = in.screenTop;
    const std::int64_t screenRight = screenLeft + Pixels(in.screenWidth, in.twipsPerPixelX);
    const std::int64_t screenBottom = screenTop + Pixels(in.screenHeight, in.twipsPerPixelY);
    std::vector<PixelRect> bands;
    const auto add = [&](std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) {
        l = std::max(l, screenLeft);
        t = std::max(t, screenTop);
        r = std::min(r, screenRight);
        b = std::min(b, screenBottom);
        if (l < r && t < b) {
            bands.push_back({static_cast<std::int32_t>(l), static_cast<std::int32_t>(t),
                             static_cast<std::int32_t>(r - l), static_cast<std::int32_t>(b - t)});
        }
    };
    add(left - m, top - m, left, bottom + m);    // left, with the corners
    add(right, top - m, right + m, bottom + m);  // right, with the corners
    add(left, top - m, right, top);              // above
    add(left, bottom, right, bottom + m);        // below
    return bands;
}

std::optional<std::pair<int, int>> StripPointClearOfPanel(const PixelRect& strip,
                                                          const PixelRect& panel, int x) {
    if (!strip.Contains(x, strip.top)) return std::nullopt;
    const std::int64_t m = kPanelSurroundPixels;
    const std::int64_t below = static_cast<std::int64_t>(panel.top) + panel.height + m;
    const std::int64_t above = static_cast<std::int64_t>(panel.top) - m - 1;
    if (below < static_cast<std::int64_t>(strip.top) + strip.height)
        return std::pair{x, static_cast<int>(std::max<std::int64_t>(below, strip.top))};
    if (above >= strip.top) return std::pair{x, static_cast<int>(above)};
    return std::nullopt;
}

bool IsXwaylandOutputs(const std::vector<std::string>& outputNames) {
    if (outputNames.empty()) return false;
    for (const std::string& name : outputNames) {
        if (name.rfind("XWAYLAND", 0) != 0) return false;
    }
    return true;
}

TriggerAction DecideTriggerAction(const TriggerInputs& in) {
    if (!in.timerEnabled) return TriggerAction::Nothing;
    if (in.pointerElsewhere) {
        return in.panelVisible ? TriggerAction::Hide : TriggerAction::Nothing;
    }
    const TriggerStrip strip =
        ComputeTriggerStrip(in.windowPosition, in.capturePixel, in.screenWidth, in.twipsPerPixelX);
    const std::int64_t stripX = static_cast<std::int64_t>(in.cursorX) - in.screenLeft;
    const std::int64_t stripY = static_cast<std::int64_t>(in.cursorY) - in.screenTop;
    const bool inStrip = strip.low <= stripX && stripX < strip.high && 0 <= stripY &&
                         stripY < CheckedInt32(in.screenHeight / in.twipsPerPixelY);
    if (inStrip) return in.panelVisible ? TriggerAction::Nothing : TriggerAction::PlaceAndShow;
    if (!in.panelVisible) return TriggerAction::Nothing;
    const double left = in.panelLeft / in.twipsPerPixelX;
    const double right = (in.panelLeft + in.panelWidth) / in.twipsPerPixelX;
    const double top = in.panelTop / in.twipsPerPixelY;
    const double bottom = (in.panelTop + in.panelHeight) / in.twipsPerPixelY;
    const double x = in.cursorX;
    const double y = in.cursorY;
    const bool overPanel = left <= x && x < right && top <= y && y < bottom;
    return overPanel ? TriggerAction::Nothing : TriggerAction::Hide;
}

}  // namespace velmora
