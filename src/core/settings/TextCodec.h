#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// How a settings file is written on disk, kept from reading to writing so that the programs
// that share the file (the Windows original, the profile functions, editors) go on reading it.
enum class TextEncoding { Utf8, Utf16Le, Utf16Be, Legacy };

struct TextForm {
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false;
    std::string lineEnd = "\n";  // of a new file; an existing file keeps its own
    bool operator==(const TextForm&) const = default;
};

// The system's text conventions: its legacy narrow code page (CP932 on a Japanese Windows
// system) and the form its programs expect of a new settings file.
class ILegacyCodec {
  public:
    virtual ~ILegacyCodec() = default;
    // Bytes that do not decode become U+FFFD.
    virtual std::string DecodeLegacy(std::string_view bytes) = 0;
    // nullopt when a character has no place in the code page.
    virtual std::optional<std::string> EncodeLegacy(std::string_view utf8) = 0;
    // Whether a file in plain ASCII without a mark is in the code page rather than UTF-8: on
    // Windows it is, and the profile functions read it so.
    virtual bool AsciiIsLegacy() const { return false; }
    // The form of a settings file this system's programs expect when none exists yet.
    virtual TextForm NewFileForm() const = 0;
};

struct DecodedText {
    std::string text;  // UTF-8
    TextForm form;
};

// A byte-order mark decides (UTF-8, UTF-16LE, UTF-16BE). Without one, a file that is valid UTF-8
// is UTF-8 (a plain ASCII one is legacy where the code page says so); otherwise each line is
// decoded alone: a valid UTF-8 line as UTF-8, any other as the legacy code page. A file whose
// lines are all ASCII or legacy is a legacy file; one that mixes UTF-8 and legacy lines is
// written back as UTF-16LE with its mark, the one Unicode form that Windows' profile functions
// read. An empty file takes the form given.
DecodedText DecodeText(std::string bytes, ILegacyCodec& legacy, const TextForm& whenEmpty);

// The text in the form; a legacy file whose text no longer fits its code page becomes UTF-16LE
// with its mark rather than losing a character (Windows' profile functions take a UTF-8 mark for
// part of the first line, and unmarked UTF-8 for the code page).
std::string EncodeText(std::string_view utf8, const TextForm& form, ILegacyCodec& legacy);

// UTF-16 code units (little or big endian bytes) to UTF-8 and back; unpaired surrogates become
// U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);
std::string Utf8ToUtf16(std::string_view utf8, bool bigEndian);

}  // namespace velmora
