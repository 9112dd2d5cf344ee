#include "core/launch/OneShotArgs.h"

#include <string_view>

namespace velmora {

namespace {

// A dropped name as the launch will split it again into one argument, unchanged.
void AppendName(std::string& out, const std::string& name, PathStyle style) {
    if (style == PathStyle::Windows) {
        // Outside quotes, cmd.exe (which runs every .bat and .cmd) treats these specially, and
        // all are legal in file names: a dropped "a&calc.txt" would run "calc.txt". A name holding
        // one is quoted, its trailing backslashes doubled so that the closing quote stays one.
        // Nothing makes "%" safe for cmd: it expands variables inside quotes too.
        constexpr std::string_view kCmdSpecial = " \t&()[]{}^=;!'+,`~";
        if (name.find_first_of(kCmdSpecial) == std::string::npos) {
            out += name;
            return;
        }
        const std::size_t trailing = name.size() - (name.find_last_not_of('\\') + 1);
        out += '"';
        out += name;
        out.append(trailing, '\\');
        out += '"';
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
