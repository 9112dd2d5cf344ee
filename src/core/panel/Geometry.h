#pragma once

#include <cstdint>
#include <optional>

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

}  // namespace velmora
