#include "core/settings/TextCodec.h"

#include <algorithm>
#include <vector>

#include "core/settings/LineEndFinder.h"
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

// Decodes line by line: valid UTF-8 lines stay, the others are legacy text. Runs of legacy
// lines are decoded together, and a file with no UTF-8 line beyond ASCII in one go (line ends
// and ASCII read the same in both).
std::string DecodeByLine(std::string_view bytes, ILegacyCodec& legacy, bool& mixed) {
    struct Span {
        std::size_t begin, end;
        bool utf8;
    };
    std::vector<Span> runs;
    bool sawUtf8 = false;
    LineEndFinder lineEnds(bytes);
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = lineEnds.Next(pos);
        const std::string_view line = bytes.substr(pos, end - pos);
        const bool utf8 = !IsAscii(line) && IsValidUtf8(line);
        sawUtf8 = sawUtf8 || utf8;
        // The line end (ASCII in every form, CR LF, LF or CR) goes with its line.
        if (end < bytes.size())
            end += bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1;
        if (!runs.empty() && runs.back().utf8 == utf8) {
            runs.back().end = end;
        } else {
            runs.push_back({pos, end, utf8});
        }
        pos = end;
    }
    mixed = sawUtf8;
    if (!sawUtf8) return legacy.DecodeLegacy(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (const Span& run : runs) {
        const std::string_view text = bytes.substr(run.begin, run.end - run.begin);
        out += run.utf8 ? std::string(text) : legacy.DecodeLegacy(text);
    }
    return out;
}

// Collects output in a small buffer and appends it in blocks: no per-character capacity checks,
// and no zero-filled worst-case buffer to touch first.
class BlockWriter {
  public:
    explicit BlockWriter(std::string& out) : out_(out) {}
    ~BlockWriter() { Flush(); }
    // Room for at least four more bytes.
    char*& Reserve4() {
        if (o_ + 4 > buffer_ + sizeof buffer_) Flush();
        return o_;
    }
    void Flush() {
        out_.append(buffer_, static_cast<std::size_t>(o_ - buffer_));
        o_ = buffer_;
    }

  private:
    std::string& out_;
    char buffer_[8192];
    char* o_ = buffer_;
};

}  // namespace

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() / 2 * 3 / 2);
    BlockWriter writer(out);
    const auto put = [&writer](char32_t cp) {
        char*& o = writer.Reserve4();
        o = EncodeUtf8(cp, o);
    };
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto unit = [&](std::size_t k) {
        return static_cast<char16_t>(bigEndian ? (b[k] << 8) | b[k + 1] : (b[k + 1] << 8) | b[k]);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            const char16_t next = unit(i + 2);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                put(0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (next - 0xDC00));
                i += 2;
                continue;
            }
        }
        put(u >= 0xD800 && u <= 0xDFFF ? 0xFFFD : u);
    }
    if (bytes.size() % 2 != 0) put(0xFFFD);  // a lone last byte
    writer.Flush();
    return out;
}

namespace {

void AppendAsUtf16(std::string& out, std::string_view utf8, bool bigEndian) {
    BlockWriter writer(out);
    const auto put = [&writer, bigEndian](char32_t unit) {
        char*& o = writer.Reserve4();
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        *o++ = bigEndian ? high : low;
        *o++ = bigEndian ? low : high;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = NextCodePoint(utf8, i);
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
}

}  // namespace

std::string Utf8ToUtf16(std::string_view utf8, bool bigEndian) {
    std::string out;
    out.reserve(utf8.size() * 2);
    AppendAsUtf16(out, utf8, bigEndian);
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
        const bool ascii = std::all_of(view.begin(), view.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        const bool legacyForm = ascii && legacy.AsciiIsLegacy();
        decoded.form = {legacyForm ? TextEncoding::Legacy : TextEncoding::Utf8, false,
                        whenEmpty.lineEnd};
        decoded.text = std::move(bytes);
    } else {
        bool mixed = false;
        decoded.text = DecodeByLine(view, legacy, mixed);
        decoded.form = mixed ? TextForm{TextEncoding::Utf16Le, true, whenEmpty.lineEnd}
                             : TextForm{TextEncoding::Legacy, false, whenEmpty.lineEnd};
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
            // A character the code page cannot hold: the Unicode form Windows readers know.
            return EncodeText(utf8, TextForm{TextEncoding::Utf16Le, true, form.lineEnd}, legacy);
        case TextEncoding::Utf8:
            break;
    }
    std::string out;
    out.reserve(kUtf8Mark.size() + utf8.size());
    if (form.byteOrderMark) out += kUtf8Mark;
    out += utf8;
    return out;
}

}  // namespace velmora
