#include "app/ShutdownSignals.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace velmora {

namespace {

int g_signalFds[2] = {-1, -1};

void OnSignal(int) {
    const char byte = 1;
    ssize_t ignored = ::write(g_signalFds[0], &byte, 1);  // async-signal-safe hand-over
    (void)ignored;
}

}  // namespace

void WatchShutdownSignals(QObject* owner, std::function<void()> onShutdown) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalFds) != 0) return;
    auto* notifier = new QSocketNotifier(g_signalFds[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [callback = std::move(onShutdown)] {
        char byte = 0;
        ssize_t ignored = ::read(g_signalFds[1], &byte, 1);
        (void)ignored;
        callback();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &action, nullptr);
}

}  // namespace velmora
