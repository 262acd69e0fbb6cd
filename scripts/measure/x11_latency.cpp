// Time from an XTEST key press to the monitor's handler call, over many presses.
#include "platform/x11/X11EventMonitor.h"
#include "tests/platform/support/TestEventLoop.h"
#include "tests/platform/support/XvfbServer.h"

#include <QCoreApplication>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using Clock = std::chrono::steady_clock;

int main(int argc, char** argv) {
    const int presses = argc > 1 ? std::atoi(argv[1]) : 100;
    XvfbServer server;
    if (!server.isRunning()) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    setenv("DISPLAY", server.displayName().c_str(), 1);
    QCoreApplication application(argc, argv);

    X11EventMonitor monitor;
    Clock::time_point handled;
    bool seen = false;
    monitor.installHandler(
        [&](const MonitorEvent&) {
            handled = Clock::now();
            seen = true;
            return eventNotHandledErr;
        },
        {kEventClassKeyboard, kEventRawKeyDown});

    Display* sender = XOpenDisplay(nullptr);
    if (!sender)
        return 1;
    const KeyCode key = XKeysymToKeycode(sender, XK_a);
    std::vector<double> micros;
    for (int i = -10; i < presses; ++i) {
        seen = false;
        const Clock::time_point pressed = Clock::now();
        XTestFakeKeyEvent(sender, key, True, 0);
        XFlush(sender);
        if (!processEventsUntil([&] { return seen; }, std::chrono::seconds(2))) {
            std::fprintf(stderr, "press %d was not seen\n", i);
            return 1;
        }
        if (i >= 0)
            micros.push_back(std::chrono::duration<double, std::micro>(handled - pressed).count());
        XTestFakeKeyEvent(sender, key, False, 0);
        XSync(sender, False);
        processEventsFor(std::chrono::milliseconds(2));
    }
    XCloseDisplay(sender);

    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) { return micros[std::size_t(q * double(micros.size() - 1))]; };
    std::printf("XTEST key press -> handler, %d presses (microseconds):\n", presses);
    std::printf("  min %.0f  median %.0f  p90 %.0f  p99 %.0f  max %.0f\n", micros.front(), at(0.5),
                at(0.9), at(0.99), micros.back());
    return 0;
}
