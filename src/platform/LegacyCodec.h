#pragma once

#include <string>
#include <string_view>

namespace velmora::platform {

// Text in the narrow code page of a Japanese Windows system (CP932) to UTF-8; bytes that do
// not decode become U+FFFD.
std::string DecodeLegacyText(std::string_view bytes);

}  // namespace velmora::platform
