#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// Texts are UTF-8 inside the program; these helpers count and check code points.
bool IsValidUtf8(std::string_view text);

// Number of code points (an invalid byte counts as one).
std::size_t Utf8Length(std::string_view text);

// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace velmora
