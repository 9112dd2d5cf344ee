#include "platform/Startup.h"

#include "platform/ExecutablePath.h"
#include "platform/UserName.h"

namespace velmora::platform {

StartupEnvironment CurrentStartupEnvironment(std::string toolkit) {
    StartupEnvironment env;
    env.userName = LoginName();
    const ExecutableLocation exe = GetExecutableLocation();
    env.executableDirectory = exe.directory;
    env.executableBaseName = exe.baseName;
    env.separator = PathSeparator();
    env.pathStyle = NativePathStyle();
    env.toolkit = std::move(toolkit);
    env.userSettingsFolder = UserSettingsFolder();
    env.documentationFolder = VELMORA_DOCUMENTATION_FOLDER;
    return env;
}

}  // namespace velmora::platform
