#include "win32/Win32MessageBox.h"

#include "core/ui/Texts.h"
#include "platform/WideText_windows.h"

namespace velmora::win32 {

namespace {

// A key that is held down (or whose release was lost) repeats, each repeat flagged as a key that
// was already down: only a fresh press answers the box, or a box shown again after a failed
// retry would be answered by the same key again and again.
LRESULT CALLBACK DropRepeatedKeys(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        constexpr LPARAM kWasDown = LPARAM(1) << 30;
        switch (msg->message) {
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
            case WM_CHAR:
            case WM_SYSCHAR:
                if (msg->lParam & kWasDown) return 1;
                break;
            default:
                break;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

int Show(HWND panel, const std::string& text, UINT buttons) {
    HWND owner = ::GetActiveWindow();
    if (owner == nullptr || !::IsWindowEnabled(owner)) owner = panel;
    if (owner != nullptr && !::IsWindow(owner)) owner = nullptr;
    HHOOK hook =
        ::SetWindowsHookExW(WH_MSGFILTER, &DropRepeatedKeys, nullptr, ::GetCurrentThreadId());
    const int answer = ::MessageBoxW(owner, platform::Widen(text).c_str(),
                                     platform::Widen(texts::kMessageTitle).c_str(),
                                     buttons | MB_ICONWARNING | MB_TOPMOST);
    if (hook != nullptr) ::UnhookWindowsHookEx(hook);
    return answer;
}

}  // namespace

void Win32MessageBox::Warn(const std::string& text) { Show(panel_, text, MB_OK); }

bool Win32MessageBox::AskRetry(const std::string& text) {
    return Show(panel_, text, MB_RETRYCANCEL | MB_DEFBUTTON1) == IDRETRY;
}

}  // namespace velmora::win32
