#pragma once

#include "platform/AppleEventReceiver.h"
#include "platform/ProcessManager.h"

// Sends a core event ('quit', 'rapp') to another process. No reply is waited for.
class AppleEventSender {
public:
    virtual ~AppleEventSender() = default;
    // 0 once sent; an error when the process is gone or cannot be reached.
    virtual OSErr sendAppleEvent(std::uint32_t eventID, const ProcessSerialNumber& target) = 0;
};
