#include "win32/Dpi.h"

#include <cmath>

#include "core/ui/Layout.h"
#include "platform/WideText_windows.h"
#include "win32/Win32Window.h"

namespace velmora::win32 {

int ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

int WindowDpi(HWND window) {
    // Looked up at run time: Windows before 10 1607 has no GetDpiForWindow.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

double TwipsPerPixel(int dpi) { return TwipsPerPixelForDpi(dpi); }

int TwipsToPixels(double twips, int dpi) {
    return velmora::TwipsToPixels(twips, TwipsPerPixel(dpi));
}

RECT ToPixelRect(const TwipRect& twips, int dpi) {
    const PixelRect p = ToPixels(twips, TwipsPerPixel(dpi), TwipsPerPixel(dpi));
    return {p.left, p.top, p.left + p.width, p.top + p.height};
}

HFONT CreateGothicFont(double points, int dpi, bool bold) {
    const int height = -static_cast<int>(std::lround(points * dpi / 72.0));
    return ::CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                         SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         FIXED_PITCH | FF_MODERN, platform::Widen(layout::kFontFamily).c_str());
}

DpiLayout::~DpiLayout() {
    for (const Font_& f : fonts_) ::DeleteObject(f.font);
}

HFONT DpiLayout::Font(double points, bool bold) {
    for (const Font_& f : fonts_) {
        if (f.points == points && f.bold == bold) return f.font;
    }
    HFONT font = CreateGothicFont(points, dpi_, bold);
    fonts_.push_back({points, bold, font});
    return font;
}

void DpiLayout::Move(const Placed& placed) const {
    const RECT r = ToPixelRect(placed.twips);
    ::SetWindowPos(placed.control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND DpiLayout::Add(HWND parent, const wchar_t* className, const std::string& text, DWORD style,
                    DWORD exStyle, const TwipRect& place, int id, HFONT font) {
    HWND control = CreateControl(parent, className, text, style, exStyle, ToPixelRect(place), id);
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    placed_.push_back({control, place});
    return control;
}

void DpiLayout::Place(HWND control, const TwipRect& twips) {
    for (Placed& p : placed_) {
        if (p.control == control) {
            p.twips = twips;
            Move(p);
        }
    }
}

void DpiLayout::Rescale(int dpi) {
    if (dpi == dpi_) return;
    dpi_ = dpi;
    std::vector<Font_> old = std::move(fonts_);
    fonts_.clear();
    for (const Font_& f : old) Font(f.points, f.bold);
    for (const Placed& p : placed_) {
        Move(p);
        const auto current = reinterpret_cast<HFONT>(::SendMessageW(p.control, WM_GETFONT, 0, 0));
        for (std::size_t i = 0; i < old.size(); ++i) {
            if (old[i].font == current) {
                ::SendMessageW(p.control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[i].font),
                               TRUE);
            }
        }
    }
    for (const Font_& f : old) ::DeleteObject(f.font);
}

}  // namespace velmora::win32
