#include "platform/ShellOpen.h"

// windows.h must come before shellapi.h.
#include "platform/WideText_windows.h"

#include <shellapi.h>

namespace velmora::platform {

std::string SystemShell::Open(const std::string& file, const std::string& parameters,
                              const std::string& workingDirectory) {
    const std::wstring wfile = Widen(file);
    const std::wstring wparams = Widen(parameters);
    const std::wstring wdir = Widen(WithoutInheritedQuote(workingDirectory));
    // The shell reports its own failures to the user; its answer is not examined.
    // A null verb is the default verb: "open" for most files, and what starts a shortcut (.lnk).
    ::ShellExecuteW(nullptr, nullptr, wfile.c_str(), parameters.empty() ? nullptr : wparams.c_str(),
                    wdir.c_str(), SW_SHOWNORMAL);
    return {};
}

// A shortcut is labelled by its file name, as Explorer shows it.
std::optional<std::string> SystemShell::ApplicationName(const std::string&) { return std::nullopt; }

}  // namespace velmora::platform
