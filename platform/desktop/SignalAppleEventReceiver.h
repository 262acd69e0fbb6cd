#pragma once

#include "platform/AppleEventReceiver.h"
#include "platform/desktop/SignalPipe.h"

// The control events arrive as signals: 'quit' as SIGTERM, 'rapp' as SIGHUP, handled from the
// event loop. A signal keeps its default action until its event's handler is installed.
class SignalAppleEventReceiver final : public AppleEventReceiver {
public:
    // Events other than 'aevt'/'quit' and 'aevt'/'rapp' are ignored.
    void installEventHandler(std::uint32_t eventClass, std::uint32_t eventID,
                             Handler handler) override;

private:
    SignalPipe signals_;
};
