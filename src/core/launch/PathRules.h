#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Windows paths use "\" (and accept "/"); POSIX paths use "/" only, "\" being an ordinary
// file-name character there.
enum class PathStyle { Windows, Posix };

// The label a dropped path gets in the list: its last component, or the whole path for a drive,
// server or share root. Never empty: an empty label would end the list at the next start.
std::string LabelFromPath(std::string_view path, PathStyle style);

// Rewrites separators in place: runs of separators become one, a leading pair (a UNC path) stays,
// also behind the opening quote of a quoted target. Windows style turns "/" into "\". A URL
// ("scheme://...") stays as it is.
void NormalizePath(std::string& path, PathStyle style);

// The directory an item starts in: the file up to and including its last separator; a server
// or share root (and a text without separators) stands for itself; a URL on Windows has none.
std::string DeriveWorkingDirectory(std::string_view file, PathStyle style);

struct SplitTargetResult {
    std::string file;
    std::string parameters;
    bool operator==(const SplitTargetResult&) const = default;
};

// Splits an item's target into what to open and its parameters. An armed one-shot argument
// replaces the parameters and leaves the target whole; otherwise only a target that starts with
// a double quote and has a closing one is split.
SplitTargetResult SplitTarget(std::string_view target, bool hasOneShotArgs,
                              std::string_view oneShotArgs);

// True for "scheme://..." texts.
bool HasUrlScheme(std::string_view text);

}  // namespace velmora
