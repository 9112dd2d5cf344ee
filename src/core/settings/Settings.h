#pragma once

#include <cstdint>

namespace velmora {

// The shared item limit: drops stop here and the settings reader reads no more.
inline constexpr int kMaxItemCount = 10000;

// Corner of the panel, the trigger strip's thickness and the width factor, held for the whole
// run. Loaded and bounded from the settings file, changed by the settings dialog, read by the
// panel and its timer.
struct Settings {
    std::int32_t WindowPosition = 0;   // 0 top right, 1 bottom right, 2 top left, 3 bottom left
    std::int32_t CapturePixel = 10;    // trigger strip thickness in pixels
    std::int32_t WindowWidth = 0;      // 0 x1, 1 x1.5, 2 x2, 3 x2.5, 4 x3
    std::int32_t LoadedItemCount = 0;  // items read at start-up; bounds the stale-key deletion
};

}  // namespace velmora
