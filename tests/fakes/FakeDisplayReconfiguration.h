#pragma once

#include "platform/DisplayReconfiguration.h"
#include "tests/fakes/Journal.h"

#include <vector>

// Records callback registrations and lets a test report a display change.
class FakeDisplayReconfiguration : public DisplayReconfiguration {
public:
    explicit FakeDisplayReconfiguration(Journal& journal) : journal_(journal) {}

    void registerReconfigurationCallback(Callback callback) override;

    std::size_t callbackCount() const { return callbacks_.size(); }
    // Calls every registered callback, as the system does for each display concerned.
    void reconfigure(std::uint32_t display, std::uint32_t changeFlags);

private:
    Journal& journal_;
    std::vector<Callback> callbacks_;
};
