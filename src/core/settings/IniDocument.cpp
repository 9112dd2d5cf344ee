#include "core/settings/IniDocument.h"

#include "core/settings/LineEndFinder.h"

namespace velmora {

namespace {

char FoldChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view s) {
    std::size_t first = 0;
    std::size_t last = s.size();
    while (first < last && IsBlankChar(s[first])) ++first;
    while (last > first && IsBlankChar(s[last - 1])) --last;
    return s.substr(first, last - first);
}

bool IsBlank(std::string_view s) { return TrimBlanks(s).empty(); }

// The section name of a header line ("[name]"), or nullopt for any other line.
std::optional<std::string_view> HeaderName(std::string_view line) {
    const std::string_view t = TrimBlanks(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    std::string_view inner = t.substr(1);
    const auto close = inner.find(']');
    if (close != std::string_view::npos) inner = inner.substr(0, close);
    return TrimBlanks(inner);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::size_t IniDocument::FoldedHash::operator()(std::string_view s) const {
    std::size_t h = 14695981039346656037ull;  // FNV-1a over the folded bytes
    for (const char c : s) {
        h ^= static_cast<unsigned char>(FoldChar(c));
        h *= 1099511628211ull;
    }
    return h;
}

bool IniDocument::FoldedEqual::operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldChar(a[i]) != FoldChar(b[i])) return false;
    }
    return true;
}

std::string_view IniDocument::KeyName(const Line& line) const {
    return TrimBlanks(TextOf(line).substr(0, line.keyEnd));
}

std::uint32_t IniDocument::KeyHash(std::string_view key) {
    return static_cast<std::uint32_t>(FoldedHash{}(key));
}

void IniDocument::KeyIndex::Insert(Slot slot) {
    if ((used + 1) * 2 > table.size()) Rebuild();
    const std::size_t mask = table.size() - 1;
    std::size_t i = slot.hash & mask;
    while (table[i].line < kRemoved) i = (i + 1) & mask;  // past the live slots
    if (table[i].line == kEmpty) ++used;
    table[i] = slot;
}

void IniDocument::KeyIndex::Rebuild() {
    // Grow, or sweep out removed slots, keeping the table at most half full.
    std::vector<Slot> old = std::move(table);
    std::size_t live = 0;
    for (const Slot& slot : old) live += slot.line < kRemoved ? 1 : 0;
    std::size_t size = 16;
    while (size < (live + 1) * 4) size *= 2;
    table.assign(size, {});
    used = 0;
    for (const Slot& slot : old) {
        if (slot.line < kRemoved) Insert(slot);
    }
}

std::size_t IniDocument::FindKey(const Section& section, std::string_view key) const {
    return FindKey(section, key, KeyHash(key));
}

std::size_t IniDocument::FindKey(const Section& section, std::string_view key,
                                 std::uint32_t hash) const {
    const auto& table = section.keys.table;
    if (table.empty()) return kNotFound;
    const std::size_t mask = table.size() - 1;
    const FoldedEqual equal;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const KeyIndex::Slot& slot = table[i];
        if (slot.line == KeyIndex::kEmpty) return kNotFound;
        if (slot.line != KeyIndex::kRemoved && slot.hash == hash &&
            equal(KeyName(section.lines[slot.line]), key)) {
            return i;
        }
    }
}

bool IniDocument::IndexKey(Section& section, std::string_view key, std::size_t line) {
    const std::uint32_t hash = KeyHash(key);
    if (FindKey(section, key, hash) != kNotFound) return false;
    section.keys.Insert({hash, static_cast<std::uint32_t>(line)});
    return true;
}

std::size_t IniDocument::Store(std::string_view text) {
    const std::size_t offset = text_.size();
    text_ += text;
    return offset;
}

IniDocument IniDocument::Parse(std::string input) {
    IniDocument doc;
    doc.sections_.emplace_back();
    doc.text_ = std::move(input);
    const std::string_view text = doc.text_;
    // LF, CR LF and CR all end a line, as for the profile functions; new lines get the first.
    LineEndFinder lineEnds(text);
    if (const std::size_t first = lineEnds.Next(0); first < text.size()) {
        doc.lineEnd_ = text[first] == '\n' ? "\n" : text.substr(first, 2) == "\r\n" ? "\r\n" : "\r";
    }
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = lineEnds.Next(pos);
        const std::string_view line = text.substr(pos, end - pos);
        const std::size_t offset = pos;
        pos = end;
        if (pos < text.size())
            pos += text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;

        if (const auto name = HeaderName(line)) {
            doc.sectionIndex_.try_emplace(std::string(*name), doc.sections_.size());
            doc.sections_.emplace_back();
        }
        Section& section = doc.sections_.back();
        if (IsBlank(line)) {
            ++section.trailingBlankLines;
            continue;
        }
        // Blank lines inside a section are kept where they stand.
        for (; section.trailingBlankLines > 0; --section.trailingBlankLines) {
            section.lines.push_back(Line{});
        }
        doc.AddLine(section, offset, line.size());
    }
    return doc;
}

void IniDocument::AddLine(Section& section, std::size_t offset, std::size_t length) {
    Line line;
    line.offset = static_cast<std::uint32_t>(offset);
    line.length = static_cast<std::uint32_t>(length);
    const std::string_view view = TextOf(line);
    const bool isHeader = section.lines.empty() && HeaderName(view).has_value();
    const auto eq = view.find('=');
    if (!isHeader && eq != std::string_view::npos && !TrimBlanks(view).starts_with(';')) {
        line.isKey = true;
        line.keyEnd = static_cast<std::uint32_t>(eq);
        section.lines.push_back(line);
        const bool added =
            IndexKey(section, TrimBlanks(view.substr(0, eq)), section.lines.size() - 1);
        section.hasEqualKeys = section.hasEqualKeys || !added;
        return;
    }
    section.lines.push_back(line);
}

std::string IniDocument::Serialize() const {
    std::size_t size = 0;
    for (const Section& section : sections_) {
        for (const Line& line : section.lines) size += line.length + lineEnd_.size();
        size += section.trailingBlankLines * lineEnd_.size();
    }
    std::string out;
    out.reserve(size);
    for (const Section& section : sections_) {
        for (const Line& line : section.lines) {
            if (line.removed) continue;
            out += TextOf(line);
            out += lineEnd_;
        }
        for (std::size_t i = 0; i < section.trailingBlankLines; ++i) out += lineEnd_;
    }
    return out;
}

IniDocument::Section* IniDocument::FindSection(std::string_view section) {
    const auto it = sectionIndex_.find(section);
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const IniDocument::Section* IniDocument::FindSection(std::string_view section) const {
    const auto it = sectionIndex_.find(section);
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (s == nullptr) return std::nullopt;
    const std::size_t slot = FindKey(*s, key);
    if (slot == kNotFound) return std::nullopt;
    const Line& line = s->lines[s->keys.table[slot].line];
    // Blanks around the value are not part of it, as for the profile functions.
    return DecodeValue(TrimBlanks(TextOf(line).substr(line.keyEnd + 1)));
}

std::string IniDocument::GetOr(std::string_view section, std::string_view key) const {
    return Get(section, key).value_or(std::string());
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = FindSection(section);
    if (s == nullptr) {
        // A new section goes to the end of the document.
        sectionIndex_.try_emplace(std::string(section), sections_.size());
        sections_.emplace_back();
        s = &sections_.back();
        const std::string header = "[" + std::string(section) + "]";
        AddLine(*s, Store(header), header.size());
    }
    std::string escaped;
    std::string_view encoded = value;
    if (NeedsEscape(value)) {
        escaped = EncodeValue(value);
        encoded = escaped;
    }
    if (const std::size_t slot = FindKey(*s, key); slot != kNotFound) {
        // The line keeps its key as written; only the value after "=" changes. A save rewrites
        // every item, mostly with the values they already have: those lines stay as they are.
        Line& line = s->lines[s->keys.table[slot].line];
        if (TrimBlanks(TextOf(line).substr(line.keyEnd + 1)) == encoded) return;
        const std::size_t keyPart = line.keyEnd + 1;
        const std::size_t offset = text_.size();
        text_.append(text_, line.offset, keyPart);
        text_ += encoded;
        line.offset = static_cast<std::uint32_t>(offset);
        line.length = static_cast<std::uint32_t>(keyPart + encoded.size());
        return;
    }
    const std::size_t offset = Store(key);
    text_ += '=';
    text_ += encoded;
    AddLine(*s, offset, key.size() + 1 + encoded.size());
}

void IniDocument::Remove(std::string_view section, std::string_view key) {
    Section* s = FindSection(section);
    if (s == nullptr) return;
    const std::size_t slot = FindKey(*s, key);
    if (slot == kNotFound) return;
    KeyIndex::Slot& entry = s->keys.table[slot];
    const std::size_t first = entry.line;
    s->lines[first].removed = true;
    entry.line = KeyIndex::kRemoved;
    // Hand-edited files may repeat a key; the copies go too, or they would take its place.
    if (s->hasEqualKeys) {
        const FoldedEqual equal;
        for (std::size_t i = first + 1; i < s->lines.size(); ++i) {
            Line& line = s->lines[i];
            if (line.isKey && !line.removed && equal(KeyName(line), key)) line.removed = true;
        }
    }
}

bool IniDocument::NeedsEscape(std::string_view value) {
    if (value.starts_with(kEscapedValuePrefix)) return true;
    // Blanks at either end would be taken for the blanks around "=".
    if (!value.empty() && (IsBlankChar(value.front()) || IsBlankChar(value.back()))) return true;
    for (const char c : value) {
        if (c == '\r' || c == '\n' || c == '\0') return true;
    }
    return false;
}

std::string IniDocument::EncodeValue(std::string_view value) {
    if (!NeedsEscape(value)) return std::string(value);
    std::string out(kEscapedValuePrefix);
    std::size_t first = 0, last = value.size();
    while (first < last && IsBlankChar(value[first])) ++first;
    while (last > first && IsBlankChar(value[last - 1])) --last;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if ((i < first || i >= last) && IsBlankChar(c)) {
            out += c == ' ' ? "%20" : "%09";
            continue;
        }
        switch (c) {
            case '%':
                out += "%25";
                break;
            case '\r':
                out += "%0D";
                break;
            case '\n':
                out += "%0A";
                break;
            case '\0':
                out += "%00";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string IniDocument::DecodeValue(std::string_view stored) {
    if (!stored.starts_with(kEscapedValuePrefix)) return std::string(stored);
    stored.remove_prefix(kEscapedValuePrefix.size());
    std::string out;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '%' && i + 2 < stored.size() && HexValue(stored[i + 1]) >= 0 &&
            HexValue(stored[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(stored[i + 1]) * 16 + HexValue(stored[i + 2]));
            i += 2;
        } else {
            out += stored[i];
        }
    }
    return out;
}

}  // namespace velmora
