#include "win32/Win32Window.h"

#include <commctrl.h>

#include <exception>

#include "core/launch/OneShotArgs.h"
#include "platform/WideText_windows.h"

namespace velmora::win32 {

using platform::Narrow;
using platform::Widen;

std::function<void(const std::string&)> Win32Window::OnUncaughtException;

void Win32Window::Guard(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::exception& e) {
        if (OnUncaughtException) OnUncaughtException(e.what());
    } catch (...) {
        if (OnUncaughtException) OnUncaughtException("unknown exception");
    }
}

Win32Window::~Win32Window() {
    if (hwnd_ != nullptr) {
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
}

void Win32Window::Create(const wchar_t* className, DWORD style, DWORD exStyle, const RECT& rect,
                         HWND parent) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!::GetClassInfoExW(::GetModuleHandleW(nullptr), className, &wc)) {
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Win32Window::WindowProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = className;
        wc.hIcon = ::LoadIconW(wc.hInstance, L"VELMORA");
        ::RegisterClassExW(&wc);
    }
    if (::CreateWindowExW(exStyle, className, L"", style, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                          ::GetModuleHandleW(nullptr), this) == nullptr) {
        throw CreationFailed(className);
    }
}

LRESULT Win32Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Win32Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    bool handled = false;
    Guard([&] {
        result = self->HandleMessage(message, wParam, lParam);
        handled = true;
    });
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return handled ? result : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

namespace {

struct Subclassed {
    WNDPROC original;
    SubclassHandler* handler;
};

LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* data = reinterpret_cast<Subclassed*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (data == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const WNDPROC original = data->original;
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete data;
        return ::CallWindowProcW(original, hwnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    bool handled = false;
    Win32Window::Guard([&] { handled = (*data->handler)(hwnd, message, wParam, lParam, &result); });
    if (handled) return result;
    return ::CallWindowProcW(data->original, hwnd, message, wParam, lParam);
}

}  // namespace

void Subclass(HWND control, SubclassHandler* handler) {
    auto* data = new Subclassed{nullptr, handler};
    ::SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
    data->original = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
}

LRESULT CallOriginal(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* data = reinterpret_cast<Subclassed*>(::GetWindowLongPtrW(control, GWLP_USERDATA));
    if (data == nullptr) return ::DefWindowProcW(control, message, wParam, lParam);
    return ::CallWindowProcW(data->original, control, message, wParam, lParam);
}

HWND CreateControl(HWND parent, const wchar_t* className, const std::string& text, DWORD style,
                   DWORD exStyle, const RECT& pixels, int id) {
    HWND control = ::CreateWindowExW(
        exStyle, className, Widen(text).c_str(), style | WS_CHILD | WS_VISIBLE, pixels.left,
        pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    if (control == nullptr) throw CreationFailed(className);
    return control;
}

std::runtime_error CreationFailed(const wchar_t* className) {
    return std::runtime_error("CreateWindowExW(" + Narrow(className) +
                              "): " + platform::SystemErrorText(::GetLastError()));
}

void SetText(HWND window, const std::string& utf8) {
    ::SetWindowTextW(window, Widen(utf8).c_str());
}

std::string GetText(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return Narrow(text);
}

int HeldModifiers() {
    int mask = 0;
    if (::GetKeyState(VK_SHIFT) & 0x8000) mask |= kShiftMask;
    if (::GetKeyState(VK_CONTROL) & 0x8000) mask |= kCtrlMask;
    if (::GetKeyState(VK_MENU) & 0x8000) mask |= kAltMask;
    return mask;
}

void ApplyTabOrder(const std::vector<HWND>& controls) {
    for (std::size_t i = 1; i < controls.size(); ++i) {
        ::SetWindowPos(controls[i], controls[i - 1], 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

}  // namespace velmora::win32
