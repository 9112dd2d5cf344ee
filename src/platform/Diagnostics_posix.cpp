#include <iostream>

#include "platform/Diagnostics.h"

namespace velmora::platform {

void SystemDiagnostics::Report(const std::string& text) { std::cerr << text << std::endl; }

}  // namespace velmora::platform
