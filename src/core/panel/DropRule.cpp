#include "core/panel/DropRule.h"

namespace velmora {

std::optional<DroppedContent> ReadDroppedContent(const DropData& data) {
    if (!data.files.empty()) return DroppedContent{data.files};
    if (data.text) return DroppedContent{DroppedText(*data.text)};
    if (data.offersFiles) return DroppedContent{DroppedFiles{}};
    return std::nullopt;
}

}  // namespace velmora
