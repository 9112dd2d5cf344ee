#include "win32/ToolTipWindow.h"

#include "win32/Win32Window.h"

#include <commctrl.h>

#include "platform/WideText_windows.h"

namespace velmora::win32 {

namespace {
TTTOOLINFOW ToolFor(HWND owner, HWND control) {
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    return info;
}
}  // namespace

ToolTipWindow::ToolTipWindow(HWND owner)
    : owner_(owner),
      tip_(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr)) {
    if (tip_ == nullptr) throw CreationFailed(TOOLTIPS_CLASSW);
    // Long targets wrap instead of running off the screen.
    ::SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, 600);
}

// The owner destroys its tooltip with itself; only a tooltip still there is destroyed here.
ToolTipWindow::~ToolTipWindow() {
    if (::IsWindow(tip_)) ::DestroyWindow(tip_);
}

void ToolTipWindow::Add(HWND control) {
    TTTOOLINFOW info = ToolFor(owner_, control);
    info.lpszText = const_cast<wchar_t*>(L"");
    ::SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTipWindow::SetText(HWND control, const std::string& text) {
    const std::wstring wide = platform::Widen(text);
    TTTOOLINFOW info = ToolFor(owner_, control);
    info.lpszText = const_cast<wchar_t*>(wide.c_str());
    ::SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTipWindow::Relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_MOUSEMOVE && message != WM_LBUTTONDOWN && message != WM_LBUTTONUP &&
        message != WM_RBUTTONDOWN && message != WM_RBUTTONUP && message != WM_MOUSELEAVE) {
        return;
    }
    MSG msg{control, message, wParam, lParam, static_cast<DWORD>(::GetMessageTime()), {}};
    ::SendMessageW(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace velmora::win32
