#include "platform/desktop/SignalAppleEventReceiver.h"

#include <csignal>

void SignalAppleEventReceiver::installEventHandler(std::uint32_t eventClass, std::uint32_t eventID,
                                                   Handler handler) {
    if (eventClass != kCoreEventClass)
        return;
    const int signalNumber = eventID == kAEQuitApplication     ? SIGTERM
                             : eventID == kAEReopenApplication ? SIGHUP
                                                               : 0;
    if (signalNumber != 0)
        signals_.handle(signalNumber, [handler = std::move(handler)] { handler(); });
}
