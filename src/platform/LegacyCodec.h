#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::platform {

// Text in the narrow code page of a Japanese Windows system (CP932) to UTF-8; bytes that do
// not decode become U+FFFD.
std::string DecodeLegacyText(std::string_view bytes);

// UTF-8 to that code page; nullopt when a character has no place in it.
std::optional<std::string> EncodeLegacyText(std::string_view utf8);

}  // namespace velmora::platform
