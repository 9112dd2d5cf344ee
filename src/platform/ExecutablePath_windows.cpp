#include "platform/ExecutablePath.h"

#include <vector>

#include "platform/WideText_windows.h"

namespace velmora::platform {

ExecutableLocation GetExecutableLocation() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) {
            buffer.resize(n);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    const std::wstring path(buffer.begin(), buffer.end());
    const auto slash = path.find_last_of(L"\\/");
    ExecutableLocation loc;
    std::wstring dir = slash == std::wstring::npos ? L"." : path.substr(0, slash);
    if (dir.size() == 2 && dir[1] == L':') dir += L'\\';  // a drive root keeps its backslash
    std::wstring base = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const auto dot = base.rfind(L'.');
    if (dot != std::wstring::npos && dot != 0) base.erase(dot);
    loc.directory = Narrow(dir);
    loc.baseName = Narrow(base);
    return loc;
}

char PathSeparator() { return '\\'; }
PathStyle NativePathStyle() { return PathStyle::Windows; }

}  // namespace velmora::platform
