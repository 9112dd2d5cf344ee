#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/launch/PathRules.h"

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
// extends it (old text, a space, the new content); anything else starts afresh. Each dropped
// file name arrives at the launched program as one argument, unchanged: on Windows a name
// holding a space or a character cmd.exe treats specially is enclosed in double quotes; on
// POSIX, where the launch splits
// the text with shell rules, a name holding a blank, a quote or a backslash is single-quoted.
std::string ComposeOneShotArgs(std::string_view current, bool armed, int modifiers,
                               const DroppedContent& dropped, PathStyle style = PathStyle::Windows);

}  // namespace velmora
