#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// Texts are UTF-8 inside the program. This is the one place that reads and writes UTF-8; the
// two step functions are inline because the settings file's UTF-16 forms run through them for
// every character.

// One code point read at text[i]: its value and byte length; length 0 when the bytes there are
// not UTF-8 (a bad lead or continuation byte, a cut sequence, an overlong form, a surrogate or a
// value past U+10FFFF).
struct Utf8Sequence {
    char32_t codePoint = 0;
    std::size_t length = 0;
};

inline Utf8Sequence DecodeUtf8At(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return {lead, 1};
    const std::size_t length = (lead >> 5) == 0x6    ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    if (length == 0 || i + length > text.size()) return {};
    char32_t cp = length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return {};
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {};
    return {cp, length};
}

// The code point at text[i], stepping i past it; a byte that is not UTF-8 reads as U+FFFD and
// is stepped over alone.
inline char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const Utf8Sequence s = DecodeUtf8At(text, i);
    if (s.length == 0) {
        ++i;
        return 0xFFFD;
    }
    i += s.length;
    return s.codePoint;
}

// Writes the UTF-8 form of one code point (1 to 4 bytes) at out; returns the end.
inline char* EncodeUtf8(char32_t cp, char* out) {
    if (cp < 0x80) {
        *out++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
        *out++ = static_cast<char>(0xC0 | (cp >> 6));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (cp >> 12));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (cp >> 18));
        *out++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

bool IsValidUtf8(std::string_view text);

// Number of code points (a byte that is not UTF-8 counts as one).
std::size_t Utf8Length(std::string_view text);

// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace velmora
