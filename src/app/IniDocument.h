#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora {

// An INI (profile) file held in memory, edited key by key and written back whole.
//
// Reading follows the profile-file habits the settings file grew up with: section and key
// names match without regard to ASCII letter case, the first of several equal keys wins, and a
// value is everything after the first "=" of its line, kept exactly (no trimming, no quote
// stripping). LF and CRLF line ends are both read. Lines the program never touches (comments,
// other sections, unknown keys) are written back as they were.
//
// A value holding a line break or a NUL byte could not be stored on one line: such a value (and
// one that happens to start with the marker) is written as kEscapedValuePrefix followed by the
// text with "%", CR, LF and NUL percent-encoded, and decoded again on reading. Every other value
// is written unchanged, so files stay readable and editable by hand.
class IniDocument {
public:
    static constexpr std::string_view kEscapedValuePrefix = "%velmora-escaped%";

    IniDocument() = default;
    static IniDocument Parse(std::string_view text);

    std::string Serialize() const;

    // The value of the key, or nullopt when the section or the key is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // The value, or the empty text when missing (the profile-file read with an empty default).
    std::string GetOr(std::string_view section, std::string_view key) const;

    // Replaces the value of an existing key in place, or adds the key at the end of its section,
    // or adds the section at the end of the document.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // Removes the key if present.
    void Remove(std::string_view section, std::string_view key);

    static std::string EncodeValue(std::string_view value);
    static std::string DecodeValue(std::string_view stored);

private:
    struct Line {
        std::string text;      // the line as written, without its line end
        std::size_t keyEnd{0};  // for key lines: position of the first "="
        bool isKey{false};
        bool removed{false};
    };
    struct Section {
        std::vector<Line> lines;  // the header line first (none for the text before any header)
        std::size_t trailingBlankLines{0};
        // Folded key name -> positions of its lines, first one wins.
        std::unordered_map<std::string, std::vector<std::size_t>> keys;
    };

    Section* FindSection(std::string_view section);
    const Section* FindSection(std::string_view section) const;
    static void AddLine(Section& section, std::string text);

    std::vector<Section> sections_;  // sections_[0] holds the lines before the first header
    std::unordered_map<std::string, std::size_t> sectionIndex_;
    std::string lineEnd_{"\n"};
};

}  // namespace velmora
