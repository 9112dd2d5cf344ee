#pragma once

#include <optional>

#include "core/panel/DropRule.h"

class QMimeData;

namespace velmora {

// What a drag carries, read once as it enters a widget and kept for its drop, so that the drop
// itself needs no answer from the drag's source. A source can be slow just as the button goes
// up: in a Wayland session the compositor hands an X window a native drag's data, and busy
// drawing the drop's end it answered seconds late (measured on GNOME); Qt waits 5 s for the
// answer, holding the panel meanwhile, and then the drop carried nothing.
class DragReader {
  public:
    void Enter(const QMimeData* mime);
    void Leave();
    // The drop's data: what the drag carried as it entered, or what the source gives now when it
    // did not give all of it then (the files of a file list, or else the text).
    DropData Drop(const QMimeData* mime);

  private:
    std::optional<DropData> entered_;
};

}  // namespace velmora
