#include "qt/DragReader.h"

#include <utility>

#include "qt/DropData.h"

namespace velmora {

void DragReader::Enter(const QMimeData* mime) {
    DropData data = ReadDrop(mime);
    // A read the source did not answer in full is not kept: a file list offered but not given
    // leaves at most its URLs' text.
    const bool whole = data.offersFiles ? !data.files.empty() : data.text.has_value();
    entered_ = whole ? std::optional(std::move(data)) : std::nullopt;
}

void DragReader::Leave() { entered_.reset(); }

DropData DragReader::Drop(const QMimeData* mime) {
    std::optional<DropData> entered = std::exchange(entered_, std::nullopt);
    return entered ? std::move(*entered) : ReadDrop(mime);
}

}  // namespace velmora
