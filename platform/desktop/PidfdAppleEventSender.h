#pragma once

#include "platform/AppleEventSender.h"

// 'quit' as SIGTERM and 'rapp' as SIGHUP. The process is pinned with a pidfd before its start
// time is compared with the serial number's, and signalled through that pidfd, so a PID reused
// in between is never signalled.
class PidfdAppleEventSender final : public AppleEventSender {
public:
    OSErr sendAppleEvent(std::uint32_t eventID, const ProcessSerialNumber& target) override;
};
