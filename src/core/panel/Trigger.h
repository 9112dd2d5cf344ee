#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/ui/Twips.h"

namespace velmora {

enum class TriggerAction { Nothing, PlaceAndShow, Hide };

// Everything one tick measures. Cursor in screen pixels, screen and panel in twips.
struct TriggerInputs {
    bool timerEnabled = true;
    std::int32_t cursorX = 0;
    std::int32_t cursorY = 0;
    // The primary screen's left edge in pixels: beside other monitors it need not be at 0, and
    // the strip runs along the primary screen's own edges.
    std::int32_t screenLeft = 0;
    // Its top edge in pixels and its height: the strip runs along the primary screen's side
    // only, not along a monitor above or below it.
    std::int32_t screenTop = 0;
    double screenWidth = 0;
    double screenHeight = 0;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
    bool panelVisible = false;
    double panelLeft = 0;
    double panelTop = 0;
    double panelWidth = 0;
    double panelHeight = 0;
    std::int32_t windowPosition = 0;
    std::int32_t capturePixel = 10;
    // The pointer is over a window the window system cannot place it on (a Wayland session's own
    // windows, seen from its X server): its coordinates are stale, and it is neither in the
    // strip nor over the panel.
    bool pointerElsewhere = false;
};

// The trigger strip: low <= x < high, in pixels. Empty for an unknown corner.
struct TriggerStrip {
    std::int32_t low = 0;
    std::int32_t high = 0;
};

TriggerStrip ComputeTriggerStrip(std::int32_t windowPosition, std::int32_t capturePixel,
                                 double screenWidth, double twipsPerPixelX);

// The strip in screen pixels along the primary screen's side: where the window system sees the
// pointer only over windows of its own, a window there lets it see the pointer reach the edge.
// Empty for an unknown corner.
PixelRect TriggerStripRect(const TriggerInputs& in);

// Bands this wide around a shown panel let such a window system see the pointer leave the panel
// (some compositors tell it nothing when the pointer goes from the panel straight onto one of
// their own windows).
inline constexpr std::int32_t kPanelSurroundPixels = 32;

// The bands around the shown panel, within the primary screen; none while it is hidden.
std::vector<PixelRect> PanelSurroundings(const TriggerInputs& in);

// The shown panel in screen pixels; empty while it is hidden.
PixelRect PanelPixelRect(const TriggerInputs& in);

// A point of the strip in column x, clear of the panel and of the bands around it: the nearest
// below them, else the nearest above them; nullopt when the strip has none (or x is not in it).
std::optional<std::pair<int, int>> StripPointClearOfPanel(const PixelRect& strip,
                                                          const PixelRect& panel, int x);

// Whether the X server is a Wayland session's Xwayland: it names every output XWAYLAND<n>, under
// every compositor.
bool IsXwaylandOutputs(const std::vector<std::string>& outputNames);

// The show/hide decision of one tick; nothing carries over from one tick to the next.
TriggerAction DecideTriggerAction(const TriggerInputs& in);

}  // namespace velmora
