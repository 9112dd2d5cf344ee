#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>

#include "platform/ShutdownSignals.h"

using velmora::platform::ShutdownSignals;

namespace {
bool Readable(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) == 1 && (p.revents & POLLIN);
}
}  // namespace

TEST(ShutdownSignals, TermHupAndIntBecomeABytePendingOnTheDescriptorInsteadOfAnEnd) {
    ASSERT_EQ(ShutdownSignals::Start(), "");
    EXPECT_EQ(ShutdownSignals::Start(), "");  // a second start keeps the first
    const int fd = ShutdownSignals::ReadDescriptor();
    ASSERT_GE(fd, 0);
    EXPECT_FALSE(Readable(fd));
    for (const int sig : {SIGTERM, SIGHUP, SIGINT}) {
        ASSERT_EQ(::raise(sig), 0);
        EXPECT_TRUE(Readable(fd)) << sig;
        ShutdownSignals::Drain();
        EXPECT_FALSE(Readable(fd)) << sig;
    }
    // The handler never blocks, however many signals arrive before the event loop reads them.
    for (int i = 0; i < 20000; ++i) ::raise(SIGTERM);
    EXPECT_TRUE(Readable(fd));
    ShutdownSignals::Drain();
    EXPECT_FALSE(Readable(fd));
}
