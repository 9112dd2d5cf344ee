#include "platform/UserName.h"

#include <optional>

#include "core/app/AppPaths.h"
#include "platform/WideText_windows.h"

namespace velmora::platform {

std::string UserSettingsFolder() {
    const DWORD size = ::GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
    if (size == 0) return WindowsSettingsFolder(std::nullopt);
    std::wstring value(size, L'\0');
    const DWORD length = ::GetEnvironmentVariableW(L"APPDATA", value.data(), size);
    value.resize(length < size ? length : 0);
    return WindowsSettingsFolder(Narrow(value));
}

std::string LoginName() {
    wchar_t buffer[257] = {};  // UNLEN + 1
    DWORD size = 257;
    if (!::GetUserNameW(buffer, &size)) return {};
    return Narrow(buffer);
}

}  // namespace velmora::platform
