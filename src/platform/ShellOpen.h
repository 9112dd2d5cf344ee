#pragma once

#include <string>

#include "core/ports/Shell.h"

namespace velmora::platform {

// Opens a file, folder, program or URL the way the desktop's shell does, with parameters and a
// working directory, and returns without waiting for what it started.
class SystemShell : public IShell {
  public:
    std::string Open(const std::string& file, const std::string& parameters,
                     const std::string& workingDirectory) override;
    std::optional<std::string> ApplicationName(const std::string& path) override;
};

// The working directory derived from a quoted file starts with the file's opening quote. No
// directory name on either system holds one, so the shell gets the directory without it.
inline std::string WithoutInheritedQuote(std::string workingDirectory) {
    if (!workingDirectory.empty() && workingDirectory.front() == '"') workingDirectory.erase(0, 1);
    return workingDirectory;
}

}  // namespace velmora::platform
