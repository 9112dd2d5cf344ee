#pragma once

#include <string>

#include "core/launch/PathRules.h"

namespace velmora::platform {

struct ExecutableLocation {
    std::string directory;  // no trailing separator, except for a root
    std::string baseName;   // file name without its extension
};

// Where the running executable lies (not what the command line says).
ExecutableLocation GetExecutableLocation();

// How this system writes paths.
char PathSeparator();
PathStyle NativePathStyle();

}  // namespace velmora::platform
