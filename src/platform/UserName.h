#pragma once

#include <string>

namespace velmora::platform {

// The login name the settings file is named after; empty when the system knows none.
std::string LoginName();

// The user's own folder for the settings file (core/app/AppPaths.h: XdgSettingsFolder,
// WindowsSettingsFolder) from the environment; empty when there is none.
std::string UserSettingsFolder();

}  // namespace velmora::platform
