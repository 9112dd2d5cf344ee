#include "core/settings/TextCodec.h"

#include "core/settings/Utf8.h"

namespace velmora {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool IsAscii(std::string_view s) {
    for (const char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

// Decodes line by line: valid UTF-8 lines stay, the others are legacy text.
std::string DecodeByLine(std::string_view bytes, ILegacyCodec& legacy, bool& mixed) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    bool sawUtf8 = false, sawLegacy = false;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        auto end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = bytes.substr(pos, end - pos);
        if (IsValidUtf8(line)) {
            sawUtf8 = sawUtf8 || !IsAscii(line);
            out += line;
        } else {
            sawLegacy = true;
            out += legacy.DecodeLegacy(line);
        }
        // The line end (ASCII in every form): CR LF, LF or CR.
        std::size_t next = end;
        if (next < bytes.size()) {
            next +=
                bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n' ? 2 : 1;
        }
        out.append(bytes.substr(end, next - end));
        pos = next;
    }
    mixed = sawUtf8 && sawLegacy;
    return out;
}

void AppendUtf16(std::string& out, char16_t unit, bool bigEndian) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    if (bigEndian) {
        out += high;
        out += low;
    } else {
        out += low;
        out += high;
    }
}

// The next code point of valid or invalid UTF-8; an invalid byte reads as U+FFFD.
char32_t NextCodePoint(std::string_view s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    int length = c < 0x80           ? 1
                 : (c >> 5) == 0x6  ? 2
                 : (c >> 4) == 0xE  ? 3
                 : (c >> 3) == 0x1E ? 4
                                    : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > s.size() ||
        !IsValidUtf8(s.substr(i, static_cast<std::size_t>(length)))) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = length == 1   ? c
                  : length == 2 ? (c & 0x1F)
                  : length == 3 ? (c & 0x0F)
                                : (c & 0x07);
    for (int k = 1; k < length; ++k)
        cp = (cp << 6) | (byte(i + static_cast<std::size_t>(k)) & 0x3F);
    i += static_cast<std::size_t>(length);
    return cp;
}

}  // namespace

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](std::size_t k) {
        const auto a = static_cast<unsigned char>(bytes[k]),
                   b = static_cast<unsigned char>(bytes[k + 1]);
        return static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            const char16_t next = unit(i + 2);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                AppendUtf8(out,
                           0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (next - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? 0xFFFD : u);
    }
    if (bytes.size() % 2 != 0) AppendUtf8(out, 0xFFFD);  // a lone last byte
    return out;
}

std::string Utf8ToUtf16(std::string_view utf8, bool bigEndian) {
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = NextCodePoint(utf8, i);
        if (cp >= 0x10000) {
            AppendUtf16(out, static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)), bigEndian);
            AppendUtf16(out, static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)), bigEndian);
        } else {
            AppendUtf16(out, static_cast<char16_t>(cp), bigEndian);
        }
    }
    return out;
}

DecodedText DecodeText(std::string bytes, ILegacyCodec& legacy, const TextForm& whenEmpty) {
    DecodedText decoded;
    decoded.form = whenEmpty;
    if (bytes.empty()) return decoded;
    const std::string_view view = bytes;
    if (view.starts_with(kUtf8Mark)) {
        decoded.form = {TextEncoding::Utf8, true, whenEmpty.lineEnd};
        decoded.text = bytes.substr(kUtf8Mark.size());
    } else if (view.starts_with(kUtf16LeMark) || view.starts_with(kUtf16BeMark)) {
        const bool bigEndian = view.starts_with(kUtf16BeMark);
        decoded.form = {bigEndian ? TextEncoding::Utf16Be : TextEncoding::Utf16Le, true,
                        whenEmpty.lineEnd};
        decoded.text = Utf16ToUtf8(view.substr(2), bigEndian);
    } else if (IsValidUtf8(view)) {
        decoded.form = {TextEncoding::Utf8, false, whenEmpty.lineEnd};
        decoded.text = std::move(bytes);
    } else {
        bool mixed = false;
        decoded.text = DecodeByLine(view, legacy, mixed);
        decoded.form = {mixed ? TextEncoding::Utf8 : TextEncoding::Legacy, false,
                        whenEmpty.lineEnd};
    }
    return decoded;
}

std::string EncodeText(std::string_view utf8, const TextForm& form, ILegacyCodec& legacy) {
    switch (form.encoding) {
        case TextEncoding::Utf16Le:
        case TextEncoding::Utf16Be: {
            const bool bigEndian = form.encoding == TextEncoding::Utf16Be;
            std::string out =
                form.byteOrderMark ? std::string(bigEndian ? kUtf16BeMark : kUtf16LeMark) : "";
            return out + Utf8ToUtf16(utf8, bigEndian);
        }
        case TextEncoding::Legacy:
            if (auto encoded = legacy.EncodeLegacy(utf8)) return std::move(*encoded);
            // A character the code page cannot hold: UTF-8, marked so Windows readers know it.
            return std::string(kUtf8Mark) + std::string(utf8);
        case TextEncoding::Utf8:
            break;
    }
    return (form.byteOrderMark ? std::string(kUtf8Mark) : std::string()) + std::string(utf8);
}

}  // namespace velmora
