#include "core/panel/DropRule.h"

#include <algorithm>
#include <string_view>

namespace velmora {

namespace {

// Each line a file URL, or one of the dropped files' own names (as some file managers offer them);
// or no text at all (a toolkit reads a drop of file URLs alone as an empty text too).
bool OnlyTheFiles(std::string_view text, const std::vector<std::string>& files) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        if (line.substr(0, 7) != "file://" &&
            std::find(files.begin(), files.end(), line) == files.end())
            return false;
    }
    return true;
}

}  // namespace

void ForgetFileUrlText(DropData& data) {
    if ((data.offersFiles || !data.files.empty()) && data.text &&
        OnlyTheFiles(*data.text, data.files))
        data.text.reset();
}

std::optional<DroppedContent> ReadDroppedContent(const DropData& data) {
    if (data.text) return DroppedContent{DroppedText(*data.text)};
    if (data.offersFiles || !data.files.empty()) return DroppedContent{data.files};
    return std::nullopt;
}

}  // namespace velmora
