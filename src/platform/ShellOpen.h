#pragma once

#include "launcher/PanelInterfaces.h"

namespace velmora::platform {

// Opens a file, folder, program or URL the way the desktop's shell does, with parameters and a
// working directory, and returns without waiting for what it started.
class SystemShell : public IShell {
public:
    std::string Open(const std::string& file, const std::string& parameters,
                     const std::string& workingDirectory) override;
};

}  // namespace velmora::platform
