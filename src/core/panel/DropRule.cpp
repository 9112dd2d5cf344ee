#include "core/panel/DropRule.h"

#include <string_view>

namespace velmora {

namespace {

bool OnlyFileUrls(std::string_view text) {
    bool any = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        if (line.substr(0, 7) != "file://") return false;
        any = true;
    }
    return any;
}

}  // namespace

void ForgetFileUrlText(DropData& data) {
    if ((data.offersFiles || !data.files.empty()) && data.text && OnlyFileUrls(*data.text))
        data.text.reset();
}

std::optional<DroppedContent> ReadDroppedContent(const DropData& data) {
    if (data.text) return DroppedContent{DroppedText(*data.text)};
    if (data.offersFiles || !data.files.empty()) return DroppedContent{data.files};
    return std::nullopt;
}

}  // namespace velmora
