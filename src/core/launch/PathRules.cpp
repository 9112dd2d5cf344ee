#include "core/launch/PathRules.h"

#include <algorithm>

#include "core/settings/Utf8.h"

namespace velmora {

namespace {

char Separator(PathStyle style) { return style == PathStyle::Windows ? '\\' : '/'; }

bool StartsWithPair(std::string_view s, char sep) {
    return s.size() >= 2 && s[0] == sep && s[1] == sep;
}

// After a leading separator pair: a server name, or a server followed by one more component,
// names no directory below a share.
bool IsNetworkRoot(std::string_view path, char sep) {
    if (path.size() <= 2 || !StartsWithPair(path, sep)) return false;
    const std::string_view rest = path.substr(2);
    const auto first = rest.find(sep);
    return first == std::string_view::npos || first == rest.rfind(sep);
}

}  // namespace

bool HasUrlScheme(std::string_view text) {
    const auto colon = text.find("://");
    if (colon == std::string_view::npos || colon == 0) return false;
    const auto isAlpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (!isAlpha(text[0])) return false;
    return std::all_of(
        text.begin(), text.begin() + static_cast<std::ptrdiff_t>(colon), [&](char c) {
            return isAlpha(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
        });
}

std::string LabelFromPath(std::string_view path, PathStyle style) {
    const char sep = Separator(style);
    if (style == PathStyle::Windows && Utf8Length(path) == 3 && path.ends_with(":\\")) {
        return std::string(path);
    }
    // Trailing separators name no component of their own ("C:\Users\me\" is "me").
    std::string_view trimmed = path;
    while (!trimmed.empty() && trimmed.back() == sep) trimmed.remove_suffix(1);
    if (StartsWithPair(trimmed, sep) && (trimmed.size() == 2 || IsNetworkRoot(trimmed, sep))) {
        return std::string(path);
    }
    const auto last = trimmed.rfind(sep);
    const std::string_view name =
        last == std::string_view::npos ? trimmed : trimmed.substr(last + 1);
    return name.empty() ? std::string(path) : std::string(name);
}

void NormalizePath(std::string& path, PathStyle style) {
    const char sep = Separator(style);
    // The file of a quoted target keeps its opening quote, which hides neither a URL nor the
    // separator pair of a network path behind it.
    const std::size_t start = !path.empty() && path.front() == '"' ? 1 : 0;
    if (HasUrlScheme(std::string_view(path).substr(start))) return;  // its query and all
    if (style == PathStyle::Windows) std::replace(path.begin(), path.end(), '/', '\\');
    const bool unc =
        path.size() > start + 2 && StartsWithPair(std::string_view(path).substr(start), sep);
    std::string out(path, 0, start);
    out.reserve(path.size() + 1);
    if (unc) out += sep;
    for (std::size_t i = start; i < path.size(); ++i) {
        const char c = path[i];
        if (c == sep && out.size() > start && out.back() == sep &&
            !(unc && out.size() == start + 1))
            continue;
        out += c;
    }
    path = std::move(out);
}

std::string DeriveWorkingDirectory(std::string_view file, PathStyle style) {
    const char sep = Separator(style);
    // A URL on Windows has no folder of its own to start in.
    if (style == PathStyle::Windows && HasUrlScheme(file.substr(file.starts_with('"') ? 1 : 0)))
        return {};
    if (file.size() > 2 && StartsWithPair(file, sep) && IsNetworkRoot(file, sep)) {
        return std::string(file);
    }
    const auto last = file.rfind(sep);
    if (last == std::string_view::npos) return std::string(file);
    return std::string(file.substr(0, last + 1));
}

SplitTargetResult SplitTarget(std::string_view target, bool hasOneShotArgs,
                              std::string_view oneShotArgs) {
    if (hasOneShotArgs) return {std::string(target), std::string(oneShotArgs)};
    if (!target.empty() && target.front() == '"') {
        const auto close = target.find('"', 1);
        if (close != std::string_view::npos) {
            std::string_view params = target.substr(close + 1);
            while (!params.empty() && params.front() == ' ') params.remove_prefix(1);
            return {std::string(target.substr(0, close + 1)), std::string(params)};
        }
    }
    return {std::string(target), std::string()};
}

}  // namespace velmora
