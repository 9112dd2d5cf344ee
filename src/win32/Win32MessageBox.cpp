#include "win32/Win32MessageBox.h"

#include "core/ui/Texts.h"
#include "platform/WideText_windows.h"

namespace velmora::win32 {

void Win32MessageBox::Warn(const std::string& text) {
    HWND owner = ::GetActiveWindow();
    if (owner == nullptr || !::IsWindowEnabled(owner)) owner = panel_;
    if (owner != nullptr && !::IsWindow(owner)) owner = nullptr;
    ::MessageBoxW(owner, platform::Widen(text).c_str(),
                  platform::Widen(texts::kMessageTitle).c_str(),
                  MB_OK | MB_ICONWARNING | MB_TOPMOST);
}

}  // namespace velmora::win32
