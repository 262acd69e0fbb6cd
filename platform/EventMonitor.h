#pragma once

#include "platform/MonitorEvent.h"

#include <functional>

// The system-wide keyboard event monitor: watches every application's key events.
class EventMonitor {
public:
    using Handler = std::function<OSStatus(const MonitorEvent&)>;
    virtual ~EventMonitor() = default;
    // Installs the one handler with its first event type.
    virtual void installHandler(Handler handler, EventTypeSpec type) = 0;
    // Asks for one more event type on the installed handler.
    virtual void addEventType(EventTypeSpec type) = 0;
};
