#include "platform/ShellOpen.h"

// windows.h must come before shellapi.h.
#include "platform/WideText_windows.h"

#include <shellapi.h>

namespace velmora::platform {

std::string SystemShell::Open(const std::string& file, const std::string& parameters,
                              const std::string& workingDirectory) {
    // The directory derived from a quoted file starts with that quote; no Windows directory
    // name can hold one, so drop it rather than hand the shell a directory that cannot exist.
    std::string directory = workingDirectory;
    if (!directory.empty() && directory.front() == '"') directory.erase(0, 1);
    const std::wstring wfile = Widen(file);
    const std::wstring wparams = Widen(parameters);
    const std::wstring wdir = Widen(directory);
    // The shell reports its own failures to the user; its answer is not examined.
    ::ShellExecuteW(nullptr, L"", wfile.c_str(), parameters.empty() ? nullptr : wparams.c_str(), wdir.c_str(),
                    SW_SHOWNORMAL);
    return {};
}

}  // namespace velmora::platform
