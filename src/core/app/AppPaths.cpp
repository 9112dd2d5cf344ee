#include "core/app/AppPaths.h"

#include <cstdint>

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
