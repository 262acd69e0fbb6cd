#pragma once

#include "platform/MonitorEvent.h"

#include <functional>

inline constexpr std::uint32_t kCoreEventClass = fourCharCode("aevt");
inline constexpr std::uint32_t kAEQuitApplication = fourCharCode("quit");
inline constexpr std::uint32_t kAEReopenApplication = fourCharCode("rapp");

// Control events sent to the process by others ('quit', 'rapp').
class AppleEventReceiver {
public:
    using Handler = std::function<OSStatus()>;
    virtual ~AppleEventReceiver() = default;
    virtual void installEventHandler(std::uint32_t eventClass, std::uint32_t eventID,
                                     Handler handler) = 0;
};
