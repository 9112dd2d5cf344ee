#include "platform/LegacyCodec.h"

#include "platform/WideText_windows.h"

namespace velmora::platform {

std::string DecodeLegacyText(std::string_view bytes) {
    // The system's ANSI code page: CP932 on a Japanese Windows, where such files come from.
    if (bytes.empty()) return {};
    const int n =
        ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
    return Narrow(wide);
}

std::optional<std::string> EncodeLegacyText(std::string_view utf8) {
    if (utf8.empty()) return std::string();
    const std::wstring wide = Widen(utf8);
    BOOL usedDefault = FALSE;
    // No best-fit guesses: a character without its own place in the code page does not fit.
    const int n =
        ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                              static_cast<int>(wide.size()), nullptr, 0, nullptr, &usedDefault);
    if (n <= 0 || usedDefault) return std::nullopt;
    std::string out(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                          out.data(), n, nullptr, &usedDefault);
    if (usedDefault) return std::nullopt;
    return out;
}

// The profile functions read an unmarked ASCII file in the ANSI code page, and write UTF-16LE
// with a byte-order mark and CR LF.
bool SystemLegacyCodec::AsciiIsLegacy() const { return true; }

TextForm SystemLegacyCodec::NewFileForm() const { return {TextEncoding::Utf16Le, true, "\r\n"}; }

}  // namespace velmora::platform
