#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora {

// An INI (profile) file held in memory, edited key by key and written back whole.
//
// Reading follows the profile functions: section and key names match without regard to ASCII
// letter case, the first of several equal keys wins, and a value is what follows the first "="
// of its line without the blanks around it (no quote stripping). LF, CR LF and CR line ends are
// all read; new lines get the file's first one. Lines the program never touches (comments,
// other sections, unknown keys) are written back as they were.
//
// A value holding a line break or a NUL byte could not be stored on one line, and blanks at its
// ends would be read as the blanks around "=": such a value (and one that happens to start with
// the marker) is written as kEscapedValuePrefix followed by the text with "%", CR, LF, NUL and
// the blanks at its ends percent-encoded, and decoded again on reading. Every other value is
// written unchanged, so files stay readable and editable by hand.
class IniDocument {
  public:
    static constexpr std::string_view kEscapedValuePrefix = "%velmora-escaped%";

    IniDocument() = default;
    // Takes the text by value: a caller that moves it in saves a copy of a large file.
    static IniDocument Parse(std::string text);

    std::string Serialize() const;

    // The line end of new lines (and of all lines on writing): the file's own after Parse.
    const std::string& LineEnd() const { return lineEnd_; }
    void SetLineEnd(std::string lineEnd) { lineEnd_ = std::move(lineEnd); }

    // The value of the key, or nullopt when the section or the key is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // The value, or the empty text when missing (the profile-file read with an empty default).
    std::string GetOr(std::string_view section, std::string_view key) const;

    // Replaces the value of an existing key in place, or adds the key at the end of its section,
    // or adds the section at the end of the document.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // Removes the key if present, with any repeated lines of the same key.
    void Remove(std::string_view section, std::string_view key);

    static bool NeedsEscape(std::string_view value);
    static std::string EncodeValue(std::string_view value);
    static std::string DecodeValue(std::string_view stored);

  private:
    // Lines are spans of text_, which holds the parsed text followed by every line written
    // since; parsing a large file then costs no allocation per line.
    struct Line {
        std::uint32_t offset{0};
        std::uint32_t length{0};
        std::uint32_t keyEnd{0};  // for key lines: position of the first "=" in the line
        bool isKey{false};
        bool removed{false};
    };

    // Names compare without regard to ASCII case, looked up without building folded copies.
    struct FoldedHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const;
    };
    struct FoldedEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    using NameIndex = std::unordered_map<std::string, std::size_t, FoldedHash, FoldedEqual>;

    // Key name -> position of its first line, by open addressing: the names stay in the lines,
    // so indexing a large file allocates nothing per key.
    struct KeyIndex {
        static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
        static constexpr std::uint32_t kRemoved = 0xFFFFFFFE;
        struct Slot {
            std::uint32_t hash{0};
            std::uint32_t line{kEmpty};
        };
        std::vector<Slot> table;
        std::size_t used{0};  // slots in use, removed ones included

        // Puts the slot in the first free place of its probe sequence, growing the table first
        // when it would be more than half full.
        void Insert(Slot slot);

      private:
        void Rebuild();
    };

    struct Section {
        std::vector<Line> lines;  // the header line first (none for the text before any header)
        std::size_t trailingBlankLines{0};
        KeyIndex keys;
        bool hasEqualKeys{false};
    };

    static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);
    // The slot of the key in the section's index, or kNotFound.
    std::size_t FindKey(const Section& section, std::string_view key) const;
    std::size_t FindKey(const Section& section, std::string_view key, std::uint32_t hash) const;
    static std::uint32_t KeyHash(std::string_view key);
    // Indexes a key line unless the name is indexed already; false then.
    bool IndexKey(Section& section, std::string_view key, std::size_t line);

    std::string_view TextOf(const Line& line) const {
        return std::string_view(text_).substr(line.offset, line.length);
    }
    std::string_view KeyName(const Line& line) const;
    Section* FindSection(std::string_view section);
    const Section* FindSection(std::string_view section) const;
    // Adds a line of text_ (offset, length) to the section, indexing it if it holds a key.
    void AddLine(Section& section, std::size_t offset, std::size_t length);
    // Appends new text to text_ and returns its offset.
    std::size_t Store(std::string_view text);

    std::string text_;
    std::vector<Section> sections_;  // sections_[0] holds the lines before the first header
    NameIndex sectionIndex_;
    std::string lineEnd_{"\n"};
};

}  // namespace velmora
