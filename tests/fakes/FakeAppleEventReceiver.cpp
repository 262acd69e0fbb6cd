#include "tests/fakes/FakeAppleEventReceiver.h"

#include <stdexcept>

void FakeAppleEventReceiver::installEventHandler(std::uint32_t eventClass, std::uint32_t eventID,
                                                 Handler handler) {
    handlers_[{eventClass, eventID}] = std::move(handler);
    journal_.record(QStringLiteral("appleEvent install %1 %2")
                        .arg(fourCharText(eventClass), fourCharText(eventID)));
}

bool FakeAppleEventReceiver::hasHandler(std::uint32_t eventClass, std::uint32_t eventID) const {
    return handlers_.contains({eventClass, eventID});
}

OSStatus FakeAppleEventReceiver::send(std::uint32_t eventClass, std::uint32_t eventID) {
    const auto found = handlers_.find({eventClass, eventID});
    if (found == handlers_.end())
        throw std::logic_error("Apple Event sent with no handler installed");
    return found->second();
}
