#pragma once

#include "platform/AppleEventReceiver.h"

#include <map>
#include <memory>

class QSocketNotifier;

// The control events arrive as signals: 'quit' as SIGTERM, 'rapp' as SIGHUP. The signal
// handler only writes the signal's number to a pipe; the handlers run from Qt's event loop on
// the main thread. A signal keeps its default action until its event's handler is installed.
// One receiver per process: signal dispositions are process-wide.
class SignalAppleEventReceiver final : public AppleEventReceiver {
public:
    SignalAppleEventReceiver();
    ~SignalAppleEventReceiver() override;
    SignalAppleEventReceiver(const SignalAppleEventReceiver&) = delete;
    SignalAppleEventReceiver& operator=(const SignalAppleEventReceiver&) = delete;

    // Events other than 'aevt'/'quit' and 'aevt'/'rapp' are ignored.
    void installEventHandler(std::uint32_t eventClass, std::uint32_t eventID,
                             Handler handler) override;

private:
    void dispatchPendingSignals();

    int readFd_ = -1;
    int writeFd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::map<int, Handler> handlers_;
};
