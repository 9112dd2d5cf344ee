#include "platform/LegacyCodec.h"

#include <iconv.h>

#include <cerrno>

namespace velmora::platform {

std::string DecodeLegacyText(std::string_view bytes) {
    std::string out;
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // No converter on this system: keep the ASCII, mark the rest.
        for (const char c : bytes)
            out += static_cast<unsigned char>(c) < 0x80 ? std::string(1, c) : "\xEF\xBF\xBD";
        return out;
    }
    out.reserve(bytes.size() + bytes.size() / 2);
    std::string input(bytes);
    const auto ascii = [&input](std::size_t k) {
        return static_cast<unsigned char>(input[k]) < 0x80;
    };
    char buffer[4096];
    // ASCII reads the same in CP932, and a file is mostly ASCII: only the runs beyond it go
    // through the converter. A run that ends in a lead byte takes the next byte too, which may be
    // its trail byte in ASCII's range (0x5C, the backslash, ends ソ and 表).
    for (std::size_t pos = 0; pos < input.size();) {
        std::size_t end = pos;
        while (end < input.size() && ascii(end)) ++end;
        out.append(input, pos, end - pos);
        pos = end;
        while (end < input.size() && !ascii(end)) ++end;
        char* in = input.data() + pos;
        std::size_t inLeft = end - pos;
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, sizeof buffer - outLeft);
            if (r != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
            if (errno == EINVAL && end < input.size()) {
                ++end;  // a lead byte at the run's end: its trail is next
                ++inLeft;
                continue;
            }
            // An invalid or truncated sequence: one replacement character, then go on.
            out += "\xEF\xBF\xBD";
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
        pos = end;
    }
    iconv_close(cd);
    return out;
}

std::optional<std::string> EncodeLegacyText(std::string_view utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out;
    out.reserve(utf8.size());
    char buffer[4096];
    bool fits = true;
    // ASCII is the same in CP932: only the runs beyond it go through the converter.
    for (std::size_t i = 0; i < utf8.size() && fits;) {
        std::size_t end = i;
        while (end < utf8.size() && static_cast<unsigned char>(utf8[end]) < 0x80) ++end;
        out.append(utf8.substr(i, end - i));
        i = end;
        while (end < utf8.size() && static_cast<unsigned char>(utf8[end]) >= 0x80) ++end;
        if (end == i) continue;
        std::string run(utf8.substr(i, end - i));
        char* in = run.data();
        std::size_t inLeft = run.size();
        while (inLeft > 0 && fits) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, sizeof buffer - outLeft);
            fits = r != static_cast<std::size_t>(-1) || errno == E2BIG;
        }
        i = end;
    }
    iconv_close(cd);
    if (!fits) return std::nullopt;
    return out;
}

// Linux tools take an unmarked ASCII file for UTF-8, as it is, and write UTF-8 with LF.
bool SystemLegacyCodec::AsciiIsLegacy() const { return false; }

TextForm SystemLegacyCodec::NewFileForm() const { return {TextEncoding::Utf8, false, "\n"}; }

}  // namespace velmora::platform
