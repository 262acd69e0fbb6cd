#pragma once

#include "platform/EventMonitor.h"
#include "tests/fakes/Journal.h"

#include <vector>

// Records the handler's installation and lets a test deliver events to it.
class FakeEventMonitor : public EventMonitor {
public:
    explicit FakeEventMonitor(Journal& journal) : journal_(journal) {}

    void installHandler(Handler handler, EventTypeSpec type) override;
    void addEventType(EventTypeSpec type) override;

    bool hasHandler() const { return bool(handler_); }
    const std::vector<EventTypeSpec>& eventTypes() const { return eventTypes_; }
    // Calls the handler as the monitor would, whether or not the event's type was asked for.
    OSStatus deliver(const MonitorEvent& event);

private:
    Journal& journal_;
    Handler handler_;
    std::vector<EventTypeSpec> eventTypes_;
};
