#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/launch/OneShotArgs.h"

namespace velmora {

// A drop as the front end finds it: whether it offers a file list, the local file names it
// carries (in the drop's order) and the text it offers, if any.
struct DropData {
    bool offersFiles = false;
    std::vector<std::string> files;
    std::optional<std::string> text;
};

// X11 file drags (and Wine's drops from them) offer their file URLs (or the files' names) as
// plain text too, one per line. Such a text is not the user's text: a drop that offers files and
// whose text holds nothing but file URLs and its own files' names is a file list. The front ends
// call this where they read a drop.
void ForgetFileUrlText(DropData& data);

// What the panel takes from a drop: a text before a file list. An offered but empty file list is
// an empty list of names.
std::optional<DroppedContent> ReadDroppedContent(const DropData& data);

}  // namespace velmora
