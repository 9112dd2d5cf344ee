#include "launcher/DropData.h"

#include <QMimeData>
#include <QUrl>

namespace velmora {

std::optional<DroppedContent> ReadDrop(const QMimeData* mime) {
    if (mime == nullptr) return std::nullopt;
    if (mime->hasUrls()) {
        DroppedFiles files;
        for (const QUrl& url : mime->urls()) {
            if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
        }
        if (!files.empty()) return DroppedContent{std::move(files)};
    }
    if (mime->hasText()) return DroppedContent{DroppedText(mime->text().toStdString())};
    return std::nullopt;
}

int ModifierMask(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= kShiftMask;
    if (modifiers & Qt::ControlModifier) mask |= kCtrlMask;
    if (modifiers & Qt::AltModifier) mask |= kAltMask;
    return mask;
}

}  // namespace velmora
