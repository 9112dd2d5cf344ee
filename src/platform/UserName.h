#pragma once

#include <string>

namespace velmora::platform {

// The login name the settings file is named after; empty when the system knows none.
std::string LoginName();

}  // namespace velmora::platform
