#include "platform/desktop/SignalAppleEventReceiver.h"

#include "tests/platform/support/TestEventLoop.h"

#include <gtest/gtest.h>

#include <csignal>

namespace {

TEST(SignalAppleEventReceiverTest, HangUpRunsTheReopenHandlerFromTheEventLoopOncePerSignal) {
    ensureApplication();
    SignalAppleEventReceiver receiver;
    int reopened = 0;
    receiver.installEventHandler(kCoreEventClass, kAEReopenApplication, [&] {
        ++reopened;
        return noErr;
    });
    raise(SIGHUP);
    EXPECT_EQ(reopened, 0); // not from inside the signal handler
    EXPECT_TRUE(processEventsUntil([&] { return reopened == 1; }));
    raise(SIGHUP);
    raise(SIGHUP);
    EXPECT_TRUE(processEventsUntil([&] { return reopened == 3; }));
}

// Until the quit handler is installed, SIGTERM keeps its default, which ends the process; other
// handlers do not change that. (The end-to-end tests see the quit handler end the helper with 0.)
TEST(SignalAppleEventReceiverTest, TerminateEndsTheProcessByDefaultUntilTheQuitHandlerIsThere) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ensureApplication();
            SignalAppleEventReceiver receiver;
            const auto unexpected = [] {
                _exit(3);
                return noErr;
            };
            receiver.installEventHandler(kCoreEventClass, fourCharCode("odoc"), unexpected);
            receiver.installEventHandler(fourCharCode("misc"), kAEQuitApplication, unexpected);
            receiver.installEventHandler(kCoreEventClass, kAEReopenApplication, unexpected);
            raise(SIGTERM);
            processEventsFor(std::chrono::seconds(1));
            _exit(4);
        },
        ::testing::KilledBySignal(SIGTERM), "");
}

} // namespace
