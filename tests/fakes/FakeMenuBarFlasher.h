#pragma once

#include "platform/MenuBarFlasher.h"
#include "tests/fakes/Journal.h"

class FakeMenuBarFlasher : public MenuBarFlasher {
public:
    explicit FakeMenuBarFlasher(Journal& journal) : journal_(journal) {}

    void flashMenuBar(int menuID) override {
        inverted = !inverted;
        journal_.record(QStringLiteral("flash %1").arg(menuID));
    }

    // Whether the bar is left inverted: an odd number of flashes.
    bool inverted = false;

private:
    Journal& journal_;
};
