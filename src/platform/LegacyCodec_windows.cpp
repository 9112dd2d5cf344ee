#include "platform/LegacyCodec.h"

#include "platform/WideText_windows.h"

namespace velmora::platform {

std::string DecodeLegacyText(std::string_view bytes) {
    // The system's ANSI code page: CP932 on a Japanese Windows, where such files come from.
    if (bytes.empty()) return {};
    const int n = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
    return Narrow(wide);
}

}  // namespace velmora::platform
