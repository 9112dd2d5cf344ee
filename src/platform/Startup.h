#pragma once

#include <string>

#include "core/app/Session.h"

namespace velmora::platform {

// Who runs the program and where it lies, as this system reports it.
StartupEnvironment CurrentStartupEnvironment(std::string toolkit);

}  // namespace velmora::platform
