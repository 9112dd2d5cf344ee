#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/settings/TextCodec.h"

namespace velmora::platform {

// The system's text conventions: CP932 as the legacy code page on both systems (the ANSI code
// page on Windows), and a new settings file as its programs expect it (UTF-8 with LF on POSIX,
// UTF-16LE with its mark and CR LF on Windows, as the profile functions write it).
class SystemLegacyCodec : public ILegacyCodec {
  public:
    std::string DecodeLegacy(std::string_view bytes) override;
    std::optional<std::string> EncodeLegacy(std::string_view utf8) override;
    bool AsciiIsLegacy() const override;
    TextForm NewFileForm() const override;
};

// Text in the narrow code page of a Japanese Windows system (CP932) to UTF-8; bytes that do
// not decode become U+FFFD.
std::string DecodeLegacyText(std::string_view bytes);

// UTF-8 to that code page; nullopt when a character has no place in it.
std::optional<std::string> EncodeLegacyText(std::string_view utf8);

}  // namespace velmora::platform
