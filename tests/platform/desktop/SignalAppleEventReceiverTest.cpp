#include "platform/linux/SignalAppleEventReceiver.h"
#include "platform/linux/QtApplicationEventLoop.h"

#include "tests/platform/support/TestEventLoop.h"

#include <gtest/gtest.h>

#include <csignal>

namespace {

class SignalAppleEventReceiverTest : public ::testing::Test {
protected:
    void SetUp() override {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        ensureCoreApplication();
    }
};

TEST_F(SignalAppleEventReceiverTest, HangUpRunsTheReopenHandlerFromTheEventLoop) {
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

TEST_F(SignalAppleEventReceiverTest, TerminateKeepsItsDefaultUntilQuitIsInstalled) {
    EXPECT_EXIT(
        {
            ensureCoreApplication();
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

TEST_F(SignalAppleEventReceiverTest, TerminateRunsTheQuitHandlerWhichEndsTheProcessAtOnce) {
    EXPECT_EXIT(
        {
            ensureCoreApplication();
            SignalAppleEventReceiver receiver;
            QtApplicationEventLoop loop;
            receiver.installEventHandler(kCoreEventClass, kAEQuitApplication,
                                         [&]() -> OSStatus { loop.exitToShell(); });
            raise(SIGTERM);
            loop.runApplicationEventLoop();
            _exit(4);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
