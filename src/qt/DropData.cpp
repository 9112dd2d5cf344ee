#include "qt/DropData.h"

#include <QMimeData>
#include <QUrl>

namespace velmora {

DropData ReadDrop(const QMimeData* mime) {
    DropData data;
    if (mime == nullptr) return data;
    data.offersFiles = mime->hasUrls();
    if (mime->hasUrls()) {
        for (const QUrl& url : mime->urls()) {
            if (url.isLocalFile()) data.files.push_back(url.toLocalFile().toStdString());
        }
    }
    if (mime->hasText()) data.text = mime->text().toStdString();
    ForgetFileUrlText(data);
    return data;
}

int ModifierMask(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= kShiftMask;
    if (modifiers & Qt::ControlModifier) mask |= kCtrlMask;
    if (modifiers & Qt::AltModifier) mask |= kAltMask;
    return mask;
}

}  // namespace velmora
