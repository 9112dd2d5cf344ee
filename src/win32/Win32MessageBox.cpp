#include "win32/Win32MessageBox.h"

#include "core/ui/Texts.h"
#include "platform/WideText_windows.h"

namespace velmora::win32 {

namespace {

int Show(HWND panel, const std::string& text, UINT buttons) {
    HWND owner = ::GetActiveWindow();
    if (owner == nullptr || !::IsWindowEnabled(owner)) owner = panel;
    if (owner != nullptr && !::IsWindow(owner)) owner = nullptr;
    return ::MessageBoxW(owner, platform::Widen(text).c_str(),
                         platform::Widen(texts::kMessageTitle).c_str(),
                         buttons | MB_ICONWARNING | MB_TOPMOST);
}

}  // namespace

void Win32MessageBox::Warn(const std::string& text) { Show(panel_, text, MB_OK); }

bool Win32MessageBox::AskRetry(const std::string& text) {
    return Show(panel_, text, MB_RETRYCANCEL | MB_DEFBUTTON1) == IDRETRY;
}

}  // namespace velmora::win32
