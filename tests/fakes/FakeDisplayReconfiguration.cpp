#include "tests/fakes/FakeDisplayReconfiguration.h"

void FakeDisplayReconfiguration::registerReconfigurationCallback(Callback callback) {
    callbacks_.push_back(std::move(callback));
    journal_.record(QStringLiteral("display registerReconfigurationCallback"));
}

void FakeDisplayReconfiguration::reconfigure(std::uint32_t display, std::uint32_t changeFlags) {
    for (const Callback& callback : callbacks_)
        callback(display, changeFlags);
}
