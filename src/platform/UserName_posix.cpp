#include "platform/UserName.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <vector>

#include "core/app/AppPaths.h"

namespace velmora::platform {

namespace {

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

// $HOME, or the account's home folder where it is unset.
std::string HomeFolder() {
    if (const auto home = Environment("HOME"); home && !home->empty()) return *home;
    std::vector<char> buffer(16384);
    passwd pw{};
    passwd* result = nullptr;
    if (getpwuid_r(geteuid(), &pw, buffer.data(), buffer.size(), &result) == 0 &&
        result != nullptr && result->pw_dir != nullptr) {
        return result->pw_dir;
    }
    return {};
}

}  // namespace

std::string UserSettingsFolder() {
    return XdgSettingsFolder(Environment("XDG_CONFIG_HOME"), HomeFolder());
}

std::string LoginName() {
    // The effective user's account first, then the login record of the terminal.
    std::vector<char> buffer(16384);
    passwd pw{};
    passwd* result = nullptr;
    if (getpwuid_r(geteuid(), &pw, buffer.data(), buffer.size(), &result) == 0 &&
        result != nullptr && result->pw_name != nullptr) {
        return result->pw_name;
    }
    char name[256] = {};
    if (getlogin_r(name, sizeof name) == 0) return name;
    return {};
}

}  // namespace velmora::platform
