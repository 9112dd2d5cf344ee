#include "core/app/AppPaths.h"

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

}  // namespace velmora
