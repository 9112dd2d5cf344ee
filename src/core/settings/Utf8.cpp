#include "core/settings/Utf8.h"

namespace velmora {

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = DecodeUtf8At(text, i).length;
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) NextCodePoint(text, i);
    return count;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    char bytes[4];
    out.append(bytes, static_cast<std::size_t>(EncodeUtf8(codePoint, bytes) - bytes));
}

}  // namespace velmora
