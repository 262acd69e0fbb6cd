#include "tests/fakes/FakeEventMonitor.h"

#include <stdexcept>

void FakeEventMonitor::installHandler(Handler handler, EventTypeSpec type) {
    handler_ = std::move(handler);
    eventTypes_.assign(1, type);
    journal_.record(QStringLiteral("monitor installHandler %1 %2")
                        .arg(fourCharText(type.eventClass))
                        .arg(type.eventKind));
}

void FakeEventMonitor::addEventType(EventTypeSpec type) {
    eventTypes_.push_back(type);
    journal_.record(QStringLiteral("monitor addEventType %1 %2")
                        .arg(fourCharText(type.eventClass))
                        .arg(type.eventKind));
}

OSStatus FakeEventMonitor::deliver(const MonitorEvent& event) {
    if (!handler_)
        throw std::logic_error("event delivered before a handler was installed");
    return handler_(event);
}
