#include "platform/UserName.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace velmora::platform {

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
