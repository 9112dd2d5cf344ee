#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/ShutdownSignals.h"

namespace velmora::platform {

namespace {

int g_fds[2] = {-1, -1};

void OnSignal(int) {
    // Async-signal-safe hand-over. The write end never blocks: when the pipe is full a byte is
    // pending anyway, and the handler must not hang the process.
    const int saved = errno;
    const char byte = 1;
    ssize_t ignored = ::write(g_fds[0], &byte, 1);
    (void)ignored;
    errno = saved;
}

}  // namespace

std::string ShutdownSignals::Start() {
    if (g_fds[1] >= 0) return {};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_fds) != 0) {
        const std::string reason = std::strerror(errno);
        g_fds[0] = g_fds[1] = -1;
        return reason;
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int sig : {SIGTERM, SIGINT, SIGHUP}) {
        if (::sigaction(sig, &action, nullptr) != 0) return std::strerror(errno);
    }
    return {};
}

int ShutdownSignals::ReadDescriptor() { return g_fds[1]; }

void ShutdownSignals::Drain() {
    char buffer[64];
    while (::read(g_fds[1], buffer, sizeof buffer) > 0) {
    }
}

}  // namespace velmora::platform
