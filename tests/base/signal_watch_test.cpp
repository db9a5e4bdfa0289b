// Signals as a descriptor: a signal waits on it until taken, one left pending
// is dropped, and the mask comes back when the watch goes.
#include "base/signal_watch.h"

#include <gtest/gtest.h>

#include <csignal>

namespace pelmora {
namespace {

TEST(SignalWatchTest, ASignalWaitsUntilTakenAndTheMaskComesBack) {
    sigset_t before;
    pthread_sigmask(SIG_SETMASK, nullptr, &before);
    {
        SignalWatch signals;
        ASSERT_GE(signals.fd(), 0);
        EXPECT_FALSE(signals.pending());
        EXPECT_EQ(signals.take(), "");
        std::raise(SIGHUP); // this thread's: nothing else can take it
        EXPECT_TRUE(signals.pending());
        EXPECT_EQ(signals.take(), "SIGHUP");
        EXPECT_FALSE(signals.pending());
        std::raise(SIGTERM); // left pending: dropped, never delivered
    }
    sigset_t after;
    pthread_sigmask(SIG_SETMASK, nullptr, &after);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        EXPECT_EQ(sigismember(&after, signal), sigismember(&before, signal)) << signal;
    }
}

} // namespace
} // namespace pelmora
