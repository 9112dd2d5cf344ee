#include "core/app/AppPaths.h"

#include <cstdint>

#include "core/ui/Texts.h"

namespace velmora {

std::string InitAppPath(const std::string& executableDirectory, char separator) {
    std::string appDir = executableDirectory;
    if (appDir.empty() || appDir.back() != separator) appDir += separator;
    return appDir;
}

std::string MakeSettingsFilePath(const std::string& appDir, const std::string& baseName,
                                 const std::string& userName) {
    return appDir + baseName + "_" + userName + ".ini";
}

std::string XdgSettingsFolder(const std::optional<std::string>& xdgConfigHome,
                              const std::string& home) {
    std::string base;
    if (xdgConfigHome && !xdgConfigHome->empty() && xdgConfigHome->front() == '/') {
        base = *xdgConfigHome;
    } else if (!home.empty() && home.front() == '/') {
        base = InitAppPath(home, '/') + ".config";
    } else {
        return {};
    }
    return InitAppPath(base, '/') + "velmora/";
}

namespace {

// "C:\..." or "\\server\share\...": a path that means the same wherever the program starts.
bool IsAbsoluteWindowsPath(const std::string& path) {
    const auto isSeparator = [](char c) { return c == '\\' || c == '/'; };
    if (path.size() >= 3 && path[1] == ':' && isSeparator(path[2])) {
        const char drive = path[0];
        return (drive >= 'A' && drive <= 'Z') || (drive >= 'a' && drive <= 'z');
    }
    return path.size() >= 3 && isSeparator(path[0]) && isSeparator(path[1]);
}

}  // namespace

std::string WindowsSettingsFolder(const std::optional<std::string>& appData) {
    if (!appData || !IsAbsoluteWindowsPath(*appData)) return {};
    return InitAppPath(*appData, '\\') + "Velmora\\";
}

SettingsLocation ChooseSettingsLocation(const std::string& besidePath, const std::string& userPath,
                                        IFileStore& store) {
    if (userPath.empty() || userPath == besidePath || store.CheckWritable(besidePath).ok)
        return {besidePath, {}};
    if (store.CheckWritable(userPath).ok) return {userPath, besidePath};
    // Neither can be written: keep to the file that holds the user's latest settings.
    if (store.Exists(userPath)) return {userPath, {}};
    return {besidePath, {}};
}

std::string ReadmePath(const std::string& appDir, const std::string& docFolderFromAppDir,
                       IFileStore& store) {
    const std::string beside = appDir + texts::kReadmeFileName;
    if (docFolderFromAppDir.empty() || store.Exists(beside)) return beside;
    const std::string documentation = appDir + docFolderFromAppDir + texts::kReadmeFileName;
    return store.Exists(documentation) ? documentation : beside;
}

std::string InstanceLockName(const std::string& settingsFilePath) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char c : settingsFilePath) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string name = "velmora-";
    for (int shift = 60; shift >= 0; shift -= 4) name += kDigits[(hash >> shift) & 0xF];
    return name;
}

}  // namespace velmora
