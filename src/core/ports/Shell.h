#pragma once

#include <optional>
#include <string>

namespace velmora {

// The shell's open operation. Returns the empty text when the launch was handed over, or a
// reason to show where the platform's own shell would have reported the failure itself.
class IShell {
  public:
    virtual ~IShell() = default;
    virtual std::string Open(const std::string& file, const std::string& parameters,
                             const std::string& workingDirectory) = 0;
    // The name the desktop gives a dropped file that describes an application (a Linux
    // ".desktop" file: its Name in the user's language), or nothing for any other file.
    virtual std::optional<std::string> ApplicationName(const std::string& path) = 0;
};

}  // namespace velmora
