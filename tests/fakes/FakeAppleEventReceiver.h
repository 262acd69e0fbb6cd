#pragma once

#include "platform/AppleEventReceiver.h"
#include "tests/fakes/Journal.h"

#include <map>
#include <utility>

// Records handler installations and lets a test send an Apple Event.
class FakeAppleEventReceiver : public AppleEventReceiver {
public:
    explicit FakeAppleEventReceiver(Journal& journal) : journal_(journal) {}

    void installEventHandler(std::uint32_t eventClass, std::uint32_t eventID,
                             Handler handler) override;

    bool hasHandler(std::uint32_t eventClass, std::uint32_t eventID) const;
    // Runs the installed handler and returns its result.
    OSStatus send(std::uint32_t eventClass, std::uint32_t eventID);

private:
    Journal& journal_;
    std::map<std::pair<std::uint32_t, std::uint32_t>, Handler> handlers_;
};
