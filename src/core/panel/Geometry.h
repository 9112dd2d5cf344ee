#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/ui/Twips.h"

namespace velmora {

struct CornerPoint {
    std::int32_t left = 0;
    std::int32_t top = 0;
    bool operator==(const CornerPoint&) const = default;
};

// Where the panel's top-left corner goes for a docking corner (all sizes in twips).
CornerPoint CornerPosition(std::int32_t windowPosition, double screenWidth, double screenHeight,
                           double panelWidth, double panelHeight);

// The requested panel width for a width factor index, or nullopt (leave the width alone).
std::optional<double> ScaledWindowWidth(std::int32_t windowWidth, std::int32_t baseWidth);

struct StretchedLayout {
    double listWidth = 0;
    double borderX = 0;  // x of the right border line; the top and bottom lines end there
};

// The list and the border lines follow the width the panel really got.
StretchedLayout StretchLayout(double actualWidth, std::int32_t baseWidth,
                              std::int32_t baseListWidth, double twipsPerPixelX);

// A monitor as the toolkit describes it: its place in logical pixels and the device pixels per
// logical one. The toolkit keeps each monitor's top-left corner where the device has it and
// scales the rest around that corner.
struct Monitor {
    PixelRect logical;
    double ratio = 1;
};

// A point in the window system's device pixels, in the toolkit's logical pixels: mapped by the
// monitor it lies on (the first monitor when none holds it). A device pixel lies in the logical
// pixel that covers it, so the screen's last device column is its last logical column.
std::pair<int, int> DeviceToLogical(std::pair<int, int> device,
                                    const std::vector<Monitor>& monitors);

// The other way: a logical pixel's first device pixel, by the monitor it lies on.
std::pair<int, int> LogicalToDevice(std::pair<int, int> logical,
                                    const std::vector<Monitor>& monitors);

// Where a dialog's top-left corner goes (pixels): centred on the screen, unless that covers the
// shown panel, which stays above every other window on some desktops; then centred in the wider
// part of the screen beside the panel, or as near it as the screen allows. `gap` is kept free
// between the dialog and the panel, for the window manager's frame.
std::pair<int, int> DialogPlacement(const PixelRect& screen, const std::optional<PixelRect>& panel,
                                    int width, int height, int gap);

}  // namespace velmora
