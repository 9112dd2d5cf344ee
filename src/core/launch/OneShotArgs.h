#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmora {

// Modifier-key mask of drops, key and mouse events: the whole mask is compared.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// What a drop brings: a text, or file names in the drop's order.
using DroppedText = std::string;
using DroppedFiles = std::vector<std::string>;
using DroppedContent = std::variant<DroppedText, DroppedFiles>;

// The argument text after a drop on the argument label. Ctrl alone on an armed argument
// extends it (old text, a space, the new content); anything else starts afresh. File names
// holding an ordinary space are enclosed in double quotes.
std::string ComposeOneShotArgs(std::string_view current, bool armed, int modifiers,
                               const DroppedContent& dropped);

}  // namespace velmora
