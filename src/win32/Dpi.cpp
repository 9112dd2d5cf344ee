#include "win32/Dpi.h"

#include <cmath>

#include "core/ui/Layout.h"
#include "platform/WideText_windows.h"

namespace velmora::win32 {

namespace {

int ScreenDpi(int index) {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, index);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

double TwipsPerPixelX() { return TwipsPerPixelForDpi(ScreenDpi(LOGPIXELSX)); }
double TwipsPerPixelY() { return TwipsPerPixelForDpi(ScreenDpi(LOGPIXELSY)); }

int TwipsToPixelsX(double twips) { return TwipsToPixels(twips, TwipsPerPixelX()); }
int TwipsToPixelsY(double twips) { return TwipsToPixels(twips, TwipsPerPixelY()); }

RECT ToPixelRect(const TwipRect& twips) {
    const PixelRect p = ToPixels(twips, TwipsPerPixelX(), TwipsPerPixelY());
    return {p.left, p.top, p.left + p.width, p.top + p.height};
}

HFONT CreateGothicFont(double points, bool bold) {
    const int height = -static_cast<int>(std::lround(points * ScreenDpi(LOGPIXELSY) / 72.0));
    return ::CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                         SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         FIXED_PITCH | FF_MODERN, platform::Widen(layout::kFontFamily).c_str());
}

}  // namespace velmora::win32
