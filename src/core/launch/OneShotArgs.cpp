#include "core/launch/OneShotArgs.h"

namespace velmora {

std::string ComposeOneShotArgs(std::string_view current, bool armed, int modifiers,
                               const DroppedContent& dropped) {
    std::string result;
    if (modifiers == kCtrlMask && armed) {
        result = current;
        result += ' ';
    }
    if (const auto* text = std::get_if<DroppedText>(&dropped)) {
        result += *text;
        return result;
    }
    bool first = true;
    for (const std::string& name : std::get<DroppedFiles>(dropped)) {
        if (!first) result += ' ';
        first = false;
        if (name.find(' ') != std::string::npos) {
            result += '"';
            result += name;
            result += '"';
        } else {
            result += name;
        }
    }
    return result;
}

}  // namespace velmora
