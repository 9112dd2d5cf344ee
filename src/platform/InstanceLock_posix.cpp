#include "platform/InstanceLock.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

namespace velmora::platform {

SystemInstanceLock::~SystemInstanceLock() {
    if (fd_ >= 0) ::close(fd_);
}

bool SystemInstanceLock::Acquire(const std::string& name) {
    if (fd_ >= 0) return true;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return true;  // no way to tell: better two panels than none
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // A leading NUL puts the name in the abstract namespace.
    const std::size_t length = std::min(name.size(), sizeof address.sun_path - 2);
    std::memcpy(address.sun_path + 1, name.data(), length);
    const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), size) != 0) {
        const int error = errno;
        ::close(fd);
        return error != EADDRINUSE;
    }
    fd_ = fd;
    return true;
}

}  // namespace velmora::platform
