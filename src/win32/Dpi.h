#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/ui/Twips.h"

namespace velmora::win32 {

// The screen's logical DPI: the one Windows signed in with.
int ScreenDpi();
// The DPI a window is shown at: its monitor's, where Windows scales per monitor (10 1607 and
// later), otherwise the screen's.
int WindowDpi(HWND window);

double TwipsPerPixel(int dpi);
int TwipsToPixels(double twips, int dpi);
// A layout rectangle in twips as pixels, relative to its parent.
RECT ToPixelRect(const TwipRect& twips, int dpi);

// "ＭＳ ゴシック" with the Japanese character set at a point size for a DPI.
// The caller owns the font (DeleteObject).
HFONT CreateGothicFont(double points, int dpi, bool bold = false);

// One window's controls, placed from the layout at the window's DPI, and its fonts. When the DPI
// changes (moved to a monitor with another scale, or the scale changed) every control is placed
// again from its twips and every font is made again at the new size.
class DpiLayout {
  public:
    explicit DpiLayout(int dpi) : dpi_(dpi) {}
    ~DpiLayout();
    DpiLayout(const DpiLayout&) = delete;
    DpiLayout& operator=(const DpiLayout&) = delete;

    int dpi() const { return dpi_; }
    double twipsPerPixel() const { return TwipsPerPixel(dpi_); }
    int ToPixels(double twips) const { return TwipsToPixels(twips, dpi_); }
    RECT ToPixelRect(const TwipRect& twips) const { return win32::ToPixelRect(twips, dpi_); }

    // The window's font at a size; made once, owned here.
    HFONT Font(double points, bool bold = false);
    // A child control made at its place in the given font; placed again after every change.
    HWND Add(HWND parent, const wchar_t* className, const std::string& text, DWORD style,
             DWORD exStyle, const TwipRect& place, int id, HFONT font);
    // Moves a control made by Add to a new place, kept after every change.
    void Place(HWND control, const TwipRect& twips);
    // Places every control at the new DPI and hands each the new size of its font.
    void Rescale(int dpi);

  private:
    struct Placed {
        HWND control;
        TwipRect twips;
    };
    struct Font_ {
        double points;
        bool bold;
        HFONT font;
    };
    void Move(const Placed& placed) const;

    int dpi_;
    std::vector<Placed> placed_;
    std::vector<Font_> fonts_;
};

}  // namespace velmora::win32
