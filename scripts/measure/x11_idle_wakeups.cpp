// Counts the main thread's context switches while the X11 keyboard side of the helper waits
// with no input, against a bare event loop waiting just as long.
#include "platform/desktop/SignalAppleEventReceiver.h"
#include "platform/x11/X11DisplayReconfiguration.h"
#include "platform/x11/X11EventMonitor.h"
#include "platform/x11/X11FrontProcess.h"
#include "tests/platform/support/TestEventLoop.h"
#include "tests/platform/support/XvfbServer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

struct Switches {
    long voluntary = 0;
    long involuntary = 0;
};

Switches mainThreadSwitches() {
    QFile status(QStringLiteral("/proc/thread-self/status"));
    Switches switches;
    if (!status.open(QIODevice::ReadOnly))
        return switches;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("voluntary_ctxt_switches:"))
            switches.voluntary = line.mid(24).trimmed().toLong();
        else if (line.startsWith("nonvoluntary_ctxt_switches:"))
            switches.involuntary = line.mid(27).trimmed().toLong();
    }
    return switches;
}

Switches idleFor(int seconds) {
    const Switches before = mainThreadSwitches();
    QTimer::singleShot(seconds * 1000, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
    const Switches after = mainThreadSwitches();
    return {after.voluntary - before.voluntary, after.involuntary - before.involuntary};
}

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    XvfbServer server;
    if (!server.isRunning()) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    setenv("DISPLAY", server.displayName().c_str(), 1);
    QCoreApplication application(argc, argv);

    const Switches bare = idleFor(seconds);

    X11EventMonitor monitor;
    long events = 0;
    monitor.installHandler(
        [&](const MonitorEvent&) {
            ++events;
            return eventNotHandledErr;
        },
        {kEventClassCommand, kEventCommandProcess});
    for (std::uint32_t kind : {kEventRawKeyDown, kEventRawKeyRepeat, kEventRawKeyModifiersChanged})
        monitor.addEventType({kEventClassKeyboard, kind});
    X11FrontProcess front;
    X11DisplayReconfiguration displays;
    displays.registerReconfigurationCallback([](std::uint32_t, std::uint32_t) {});
    SignalAppleEventReceiver receiver;
    receiver.installEventHandler(kCoreEventClass, kAEReopenApplication, [] { return noErr; });
    processEventsFor(std::chrono::milliseconds(500));

    const Switches watching = idleFor(seconds);
    std::printf("idle %d s, main thread context switches (voluntary/involuntary):\n", seconds);
    std::printf("  bare event loop:        %ld / %ld\n", bare.voluntary, bare.involuntary);
    std::printf("  with the X11 monitor:   %ld / %ld  (events handled: %ld)\n", watching.voluntary,
                watching.involuntary, events);
    return 0;
}
