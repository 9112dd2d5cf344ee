#pragma once

#include <string>

namespace velmora {

// AppDir: the executable's directory, always ending in the platform's separator (a root such
// as "/" or "D:\" keeps its single one).
std::string InitAppPath(const std::string& executableDirectory, char separator);

// AppDir + base name + "_" + user name + ".ini", nothing added or removed.
std::string MakeSettingsFilePath(const std::string& appDir, const std::string& baseName,
                                 const std::string& userName);

// The name of the lock that keeps a second Velmora off the same settings file: the same path
// gives the same name, on every system ("velmora-" and 16 hexadecimal digits).
std::string InstanceLockName(const std::string& settingsFilePath);

}  // namespace velmora
