#pragma once

#include <Qt>

#include "core/panel/DropRule.h"

class QMimeData;

namespace velmora {

// The local file names and the text a drop carries; the core decides what the panel takes.
DropData ReadDrop(const QMimeData* mime);

// Shift 1, Ctrl 2, Alt 4.
int ModifierMask(Qt::KeyboardModifiers modifiers);

}  // namespace velmora
