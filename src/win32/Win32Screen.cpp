#include "win32/Win32Screen.h"

#include <windows.h>

#include "win32/Dpi.h"

namespace velmora::win32 {

Win32Screen::Win32Screen(std::function<int()> dpi) : dpi_(std::move(dpi)) {
    strip_.touched = [this] {
        if (edgeEvent) edgeEvent();
    };
    strip_.activity = [this](PointerActivity activity) {
        if (pointerActivity) pointerActivity(activity);
    };
}

// The shown panel's surroundings need no window: the cursor is known wherever it is.
void Win32Screen::WatchEdge(const PixelRect& strip, const std::vector<PixelRect>&) {
    strip_.Place(strip);
}

// Windows puts the primary monitor's top-left corner at (0, 0) by definition.
double Win32Screen::LeftTwips() const { return 0; }
double Win32Screen::TopTwips() const { return 0; }
double Win32Screen::WidthTwips() const {
    return ::GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX();
}
double Win32Screen::HeightTwips() const {
    return ::GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY();
}
double Win32Screen::TwipsPerPixelX() const { return TwipsPerPixel(dpi_()); }
double Win32Screen::TwipsPerPixelY() const { return TwipsPerPixel(dpi_()); }

std::pair<int, int> Win32Screen::CursorPos() const {
    // The result is not examined: a failed query leaves (0, 0).
    POINT p{0, 0};
    ::GetCursorPos(&p);
    return {p.x, p.y};
}

}  // namespace velmora::win32
