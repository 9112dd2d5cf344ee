#include "app/IniDocument.h"

namespace velmora {

namespace {

std::string Fold(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string_view TrimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
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

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    doc.sections_.emplace_back();
    if (text.find("\r\n") != std::string_view::npos) doc.lineEnd_ = "\r\n";
    std::size_t pos = 0;
    while (pos < text.size()) {
        auto end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        pos = end + 1;

        if (const auto name = HeaderName(line)) {
            const std::string folded = Fold(*name);
            if (!doc.sectionIndex_.contains(folded)) doc.sectionIndex_[folded] = doc.sections_.size();
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
        AddLine(section, std::string(line));
    }
    return doc;
}

void IniDocument::AddLine(Section& section, std::string text) {
    Line line;
    line.text = std::move(text);
    const std::string_view view = line.text;
    const bool isHeader = section.lines.empty() && HeaderName(view).has_value();
    const std::string_view trimmed = TrimBlanks(view);
    const auto eq = view.find('=');
    if (!isHeader && eq != std::string_view::npos && !trimmed.starts_with(';')) {
        line.isKey = true;
        line.keyEnd = eq;
        section.keys[Fold(TrimBlanks(view.substr(0, eq)))].push_back(section.lines.size());
    }
    section.lines.push_back(std::move(line));
}

std::string IniDocument::Serialize() const {
    std::string out;
    for (const Section& section : sections_) {
        for (const Line& line : section.lines) {
            if (line.removed) continue;
            out += line.text;
            out += lineEnd_;
        }
        for (std::size_t i = 0; i < section.trailingBlankLines; ++i) out += lineEnd_;
    }
    return out;
}

IniDocument::Section* IniDocument::FindSection(std::string_view section) {
    const auto it = sectionIndex_.find(Fold(section));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const IniDocument::Section* IniDocument::FindSection(std::string_view section) const {
    const auto it = sectionIndex_.find(Fold(section));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (s == nullptr) return std::nullopt;
    const auto it = s->keys.find(Fold(key));
    if (it == s->keys.end() || it->second.empty()) return std::nullopt;
    const Line& line = s->lines[it->second.front()];
    return DecodeValue(std::string_view(line.text).substr(line.keyEnd + 1));
}

std::string IniDocument::GetOr(std::string_view section, std::string_view key) const {
    return Get(section, key).value_or(std::string());
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = FindSection(section);
    if (s == nullptr) {
        // A new section goes to the end, separated from the text before it by nothing extra.
        sectionIndex_[Fold(section)] = sections_.size();
        sections_.emplace_back();
        s = &sections_.back();
        AddLine(*s, "[" + std::string(section) + "]");
    }
    const std::string encoded = EncodeValue(value);
    const auto it = s->keys.find(Fold(key));
    if (it != s->keys.end() && !it->second.empty()) {
        Line& line = s->lines[it->second.front()];
        line.text = line.text.substr(0, line.keyEnd + 1) + encoded;
        return;
    }
    AddLine(*s, std::string(key) + "=" + encoded);
}

void IniDocument::Remove(std::string_view section, std::string_view key) {
    Section* s = FindSection(section);
    if (s == nullptr) return;
    const auto it = s->keys.find(Fold(key));
    if (it == s->keys.end() || it->second.empty()) return;
    s->lines[it->second.front()].removed = true;
    it->second.erase(it->second.begin());
}

std::string IniDocument::EncodeValue(std::string_view value) {
    const bool needsEscape = value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos ||
                             value.starts_with(kEscapedValuePrefix);
    if (!needsEscape) return std::string(value);
    std::string out(kEscapedValuePrefix);
    for (const char c : value) {
        switch (c) {
            case '%': out += "%25"; break;
            case '\r': out += "%0D"; break;
            case '\n': out += "%0A"; break;
            case '\0': out += "%00"; break;
            default: out += c;
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
