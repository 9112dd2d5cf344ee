#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/launch/OneShotArgs.h"

namespace velmora {

// A drop as the front end finds it: the local file names it carries (in the drop's order) and
// the text it offers, if any.
struct DropData {
    bool offersFiles = false;
    std::vector<std::string> files;
    std::optional<std::string> text;
};

// What the panel takes from a drop. Local files win over text: X11 file drags (and Wine's
// drops from them) offer the file URLs as plain text as well, which must not turn a file drop
// into a text drop. Only a drop without files is a text; an offered but empty file list is an
// empty list of names.
std::optional<DroppedContent> ReadDroppedContent(const DropData& data);

}  // namespace velmora
