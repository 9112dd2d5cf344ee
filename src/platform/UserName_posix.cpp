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

// A field of the effective user's account record, or nothing.
std::optional<std::string> AccountField(char* passwd::*field) {
    std::vector<char> buffer(16384);
    passwd pw{};
    passwd* result = nullptr;
    if (getpwuid_r(geteuid(), &pw, buffer.data(), buffer.size(), &result) == 0 &&
        result != nullptr && result->*field != nullptr) {
        return std::string(result->*field);
    }
    return std::nullopt;
}

// $HOME, or the account's home folder where it is unset.
std::string HomeFolder() {
    if (const auto home = Environment("HOME"); home && !home->empty()) return *home;
    return AccountField(&passwd::pw_dir).value_or(std::string());
}

}  // namespace

std::string UserSettingsFolder() {
    return XdgSettingsFolder(Environment("XDG_CONFIG_HOME"), HomeFolder());
}

std::string LoginName() {
    // The effective user's account first, then the login record of the terminal.
    if (auto name = AccountField(&passwd::pw_name)) return *name;
    char name[256] = {};
    if (getlogin_r(name, sizeof name) == 0) return name;
    return {};
}

}  // namespace velmora::platform
