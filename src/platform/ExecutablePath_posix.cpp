#include "platform/ExecutablePath.h"

#include <unistd.h>

#include <vector>

namespace velmora::platform {

namespace {

std::string SelfPath() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return {};
        if (static_cast<std::size_t>(n) < buffer.size()) return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

ExecutableLocation GetExecutableLocation() {
    const std::string path = SelfPath();
    const auto slash = path.rfind('/');
    ExecutableLocation loc;
    if (slash == std::string::npos) {
        loc.directory = ".";
        loc.baseName = path;
    } else {
        loc.directory = slash == 0 ? "/" : path.substr(0, slash);
        loc.baseName = path.substr(slash + 1);
    }
    // The extension goes, as it would for "Velmora.exe"; a leading dot is part of the name.
    const auto dot = loc.baseName.rfind('.');
    if (dot != std::string::npos && dot != 0) loc.baseName.erase(dot);
    return loc;
}

char PathSeparator() { return '/'; }
PathStyle NativePathStyle() { return PathStyle::Posix; }

}  // namespace velmora::platform
