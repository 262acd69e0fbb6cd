#include "platform/desktop/EpollEventDispatcher.h"
#include "platform/desktop/ReadableWatch.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTemporaryFile>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <vector>

using namespace std::chrono_literals;

namespace {

// Each test runs in a process of its own: the dispatcher goes in before the application object.
EpollEventDispatcher& dispatcher() {
    static EpollEventDispatcher* installed = [] {
        auto* made = new EpollEventDispatcher;
        QCoreApplication::setEventDispatcher(made);
        static int argc = 1;
        static char name[] = "epoll_dispatcher_tests";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
        return made;
    }();
    return *installed;
}

void runFor(std::chrono::milliseconds duration) {
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec();
}

struct SocketPair {
    int fds[2] = {-1, -1};
    SocketPair() { EXPECT_EQ(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds), 0); }
    ~SocketPair() {
        close(fds[0]);
        close(fds[1]);
    }
};

} // namespace

TEST(EpollEventDispatcher, TimersFireInOrderRepeatAndStop) {
    ASSERT_TRUE(dispatcher().isValid());
    std::vector<int> order;
    for (int ms : {30, 10, 20})
        QTimer::singleShot(ms, Qt::PreciseTimer, [&order, ms] { order.push_back(ms); });
    QTimer repeating;
    int repeats = 0;
    QObject::connect(&repeating, &QTimer::timeout, [&] { ++repeats; });
    repeating.start(5);
    QTimer selfStopping;
    int stops = 0;
    QObject::connect(&selfStopping, &QTimer::timeout, [&] {
        ++stops;
        selfStopping.stop();
    });
    selfStopping.start(1);

    const auto started = std::chrono::steady_clock::now();
    runFor(60ms);
    EXPECT_GE(std::chrono::steady_clock::now() - started, 60ms) << "a timer fired early";
    EXPECT_EQ(order, (std::vector<int>{10, 20, 30}));
    EXPECT_GE(repeats, 4);
    EXPECT_EQ(stops, 1);

    const auto timers = dispatcher().registeredTimers(&repeating);
    ASSERT_EQ(timers.size(), 1);
    EXPECT_EQ(timers.first().interval, 5);
    const int left = dispatcher().remainingTime(repeating.timerId());
    EXPECT_TRUE(left >= 0 && left <= 5) << left;
    EXPECT_TRUE(dispatcher().unregisterTimers(&repeating));
    EXPECT_EQ(dispatcher().remainingTime(timers.first().timerId), -1);
}

TEST(EpollEventDispatcher, NestedLoopNeitherRedeliversItsTimerNorStarvesOthers) {
    dispatcher();
    QTimer outer;
    int outerEvents = 0;
    int innerTicks = 0;
    QTimer inner;
    QObject::connect(&inner, &QTimer::timeout, [&] { ++innerTicks; });
    QObject::connect(&outer, &QTimer::timeout, [&] {
        ++outerEvents;
        inner.start(2);
        runFor(30ms);
        outer.stop();
    });
    outer.start(1);
    runFor(50ms);
    EXPECT_EQ(outerEvents, 1);
    EXPECT_GE(innerTicks, 5);
}

TEST(EpollEventDispatcher, ZeroTimerRestartedByItselfLeavesRoomForDescriptors) {
    dispatcher();
    SocketPair pair;
    QSocketNotifier readable(pair.fds[0], QSocketNotifier::Read);
    bool read = false;
    QObject::connect(&readable, &QSocketNotifier::activated, [&] {
        char byte;
        EXPECT_EQ(::read(pair.fds[0], &byte, 1), 1);
        read = true;
    });
    QTimer busy;
    QObject::connect(&busy, &QTimer::timeout, [&] { busy.start(0); });
    busy.start(0);
    ASSERT_EQ(write(pair.fds[1], "x", 1), 1);
    for (int pass = 0; pass < 5 && !read; ++pass)
        QCoreApplication::processEvents();
    EXPECT_TRUE(read);
}

TEST(EpollEventDispatcher, NotifiersOfOneDescriptorAndNotifiersGoneMidPass) {
    dispatcher();
    SocketPair first;
    SocketPair second;
    auto reader = std::make_unique<QSocketNotifier>(first.fds[0], QSocketNotifier::Read);
    QSocketNotifier writer(first.fds[0], QSocketNotifier::Write);
    int reads = 0;
    int writes = 0;
    QObject::connect(reader.get(), &QSocketNotifier::activated, [&] { ++reads; });
    QObject::connect(&writer, &QSocketNotifier::activated, [&] { ++writes; });

    // Each of a pair deletes the other: whichever runs first, the other is never delivered.
    auto left = std::make_unique<QSocketNotifier>(second.fds[0], QSocketNotifier::Read);
    auto right = std::make_unique<QSocketNotifier>(second.fds[1], QSocketNotifier::Read);
    int deletions = 0;
    QObject::connect(left.get(), &QSocketNotifier::activated, [&] {
        ++deletions;
        right.reset();
    });
    QObject::connect(right.get(), &QSocketNotifier::activated, [&] {
        ++deletions;
        left.reset();
    });
    ASSERT_EQ(write(first.fds[1], "x", 1), 1);
    ASSERT_EQ(write(second.fds[0], "x", 1), 1);
    ASSERT_EQ(write(second.fds[1], "x", 1), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(deletions, 1);

    // The write notifier keeps its descriptor watched once the read one is gone.
    reader.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(writes, 2);
    writer.setEnabled(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(writes, 2);
}

TEST(EpollEventDispatcher, RegularFilesAreAlwaysReady) {
    dispatcher();
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    QSocketNotifier notifier(file.handle(), QSocketNotifier::Read);
    int activations = 0;
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] { ++activations; });
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_EQ(activations, 1);
}

TEST(EpollEventDispatcher, AnotherThreadWakesTheBlockedLoopAndEndsIt) {
    dispatcher();
    int blocks = 0;
    QObject::connect(&dispatcher(), &QAbstractEventDispatcher::aboutToBlock, [&] { ++blocks; });
    QEventLoop loop;
    bool delivered = false;
    QObject receiver;
    std::unique_ptr<QThread> poster(QThread::create([&] {
        QThread::msleep(20);
        QMetaObject::invokeMethod(
            &receiver, [&] { delivered = true; }, Qt::QueuedConnection);
        QThread::msleep(20);
        loop.exit(3);
    }));
    poster->start();
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(loop.exec(), 3);
    poster->wait();
    EXPECT_TRUE(delivered);
    EXPECT_GE(blocks, 1);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);
}

TEST(EpollEventDispatcher, DirectWatchesRunFromTheWaitAndMayEndThemselves) {
    dispatcher();
    SocketPair pair;
    int hooks = 0;
    runBeforeEachWait(&dispatcher(), [&] { ++hooks; });
    int reads = 0;
    std::unique_ptr<ReadableWatch> watch;
    watch = std::make_unique<ReadableWatch>(pair.fds[0], [&] {
        char byte;
        EXPECT_EQ(::read(pair.fds[0], &byte, 1), 1);
        // Ending the watch from its own call must be safe.
        if (++reads == 2)
            watch.reset();
    });
    for (int round = 0; round < 3; ++round) {
        ASSERT_EQ(write(pair.fds[1], "x", 1), 1);
        // Once the watch has ended, only the timer wakes the wait.
        QTimer::singleShot(20ms, [] {});
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    EXPECT_EQ(reads, 2);
    EXPECT_EQ(hooks, 3);
}
