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
    // The shell reports its own failures to the user; its answer is not examined. A shortcut
    // (.lnk) starts only through the null verb, the default one, under Wine (on Windows an empty
    // verb means the same); every other file keeps the empty verb, since under Wine the null one
    // makes a later drag from an X program hang now and then.
    std::wstring_view name = wfile;
    if (!name.empty() && name.back() == L'"') name.remove_suffix(1);  // a quoted target's file
    const bool shortcut =
        name.size() >= 4 &&
        ::lstrcmpiW(std::wstring(name.substr(name.size() - 4)).c_str(), L".lnk") == 0;
    ::ShellExecuteW(nullptr, shortcut ? nullptr : L"", wfile.c_str(),
                    parameters.empty() ? nullptr : wparams.c_str(), wdir.c_str(), SW_SHOWNORMAL);
    return {};
}

// A shortcut is labelled by its file name, as Explorer shows it.
std::optional<std::string> SystemShell::ApplicationName(const std::string&) { return std::nullopt; }

}  // namespace velmora::platform
