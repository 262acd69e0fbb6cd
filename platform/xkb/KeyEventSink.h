#pragma once

#include "platform/EventMonitor.h"

#include <cstdint>
#include <vector>

// The monitor's one handler and the event types asked for, which every display server's monitor
// keeps alike: events of a type nobody asked for are not built at all.
class KeyEventSink {
public:
    void install(EventMonitor::Handler handler, EventTypeSpec type);
    void add(EventTypeSpec type);
    bool wants(std::uint32_t kind) const;
    // A keyboard event with the modifier word, and the key's character unless `character` < 0.
    void deliver(std::uint32_t kind, std::uint32_t modifierWord, int character = -1) const;

private:
    EventMonitor::Handler handler_;
    std::vector<EventTypeSpec> types_;
};
