#pragma once

#include <optional>

#include <Qt>

#include "launcher/OneShotArgs.h"

class QMimeData;

namespace velmora {

// What a drop brings, as the panel distinguishes it. A drop that carries local-file URLs is a
// list of file names in the drop's order (X11 file drags also offer those URLs as plain text,
// which must not be taken for a text drop); only a drop without them is a text.
std::optional<DroppedContent> ReadDrop(const QMimeData* mime);

// Shift 1, Ctrl 2, Alt 4.
int ModifierMask(Qt::KeyboardModifiers modifiers);

}  // namespace velmora
