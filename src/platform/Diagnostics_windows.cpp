#include <iostream>

#include "platform/Diagnostics.h"
#include "platform/WideText_windows.h"

namespace velmora::platform {

void SystemDiagnostics::Report(const std::string& text) {
    ::OutputDebugStringW((Widen(text) + L"\n").c_str());
    std::cerr << text << std::endl;
}

}  // namespace velmora::platform
