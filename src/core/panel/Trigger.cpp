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

std::vector<PixelRect> PanelSurroundings(const TriggerInputs& in) {
    if (!in.panelVisible) return {};
    const auto px = [](double twips, double perPixel) {
        return static_cast<std::int64_t>(CheckedInt32(twips / perPixel));
    };
    const std::int64_t left = px(in.panelLeft, in.twipsPerPixelX);
    const std::int64_t top = px(in.panelTop, in.twipsPerPixelY);
    const std::int64_t right = px(in.panelLeft + in.panelWidth, in.twipsPerPixelX);
    const std::int64_t bottom = px(in.panelTop + in.panelHeight, in.twipsPerPixelY);
    const std::int64_t m = kPanelSurroundPixels;
    const std::int64_t screenLeft = in.screenLeft, screenTop = in.screenTop;
    const std::int64_t screenRight = screenLeft + px(in.screenWidth, in.twipsPerPixelX);
    const std::int64_t screenBottom = screenTop + px(in.screenHeight, in.twipsPerPixelY);
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
