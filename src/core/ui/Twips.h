#pragma once

namespace velmora {

// Window layouts are given in twips (1/1440 inch); the screen's logical DPI turns them into
// pixels (15 twips per pixel at 96 DPI).
struct TwipRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
    bool Contains(int x, int y) const {
        return x >= left && y >= top && x - left < width && y - top < height;
    }
};

// 1440 / dpi; a missing or nonsensical DPI counts as 96.
double TwipsPerPixelForDpi(double dpi);

// Rounded to the nearest pixel, halves to even.
int TwipsToPixels(double twips, double twipsPerPixel);
PixelRect ToPixels(const TwipRect& rect, double twipsPerPixelX, double twipsPerPixelY);

// A control placed inside a frame, in the frame's parent's coordinates.
constexpr TwipRect InFrame(const TwipRect& frame, const TwipRect& child) {
    return {frame.left + child.left, frame.top + child.top, child.width, child.height};
}

}  // namespace velmora
