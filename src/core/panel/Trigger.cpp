#include "core/panel/Trigger.h"

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
