#include "platform/UserName.h"

#include "platform/WideText_windows.h"

namespace velmora::platform {

std::string LoginName() {
    wchar_t buffer[257] = {};  // UNLEN + 1
    DWORD size = 257;
    if (!::GetUserNameW(buffer, &size)) return {};
    return Narrow(buffer);
}

}  // namespace velmora::platform
