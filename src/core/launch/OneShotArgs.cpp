#include "core/launch/OneShotArgs.h"

namespace velmora {

namespace {

// A dropped name as the launch will split it again into one argument, unchanged.
void AppendName(std::string& out, const std::string& name, PathStyle style) {
    if (style == PathStyle::Windows) {
        // The shell's rule on Windows: only a name with a space needs the double quotes.
        if (name.find(' ') == std::string::npos) {
            out += name;
        } else {
            out += '"' + name + '"';
        }
        return;
    }
    // POSIX parameters are split with shell rules: blanks, quotes and backslashes would break a
    // name apart or vanish, so such a name is single-quoted (a quote inside as '\'').
    if (name.find_first_of(" \t\n'\"\\") == std::string::npos && !name.empty()) {
        out += name;
        return;
    }
    out += '\'';
    for (const char c : name) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    out += '\'';
}

}  // namespace

std::string ComposeOneShotArgs(std::string_view current, bool armed, int modifiers,
                               const DroppedContent& dropped, PathStyle style) {
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
        AppendName(result, name, style);
    }
    return result;
}

}  // namespace velmora
