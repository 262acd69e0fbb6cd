#pragma once

#include "platform/Notifier.h"
#include "tests/fakes/Journal.h"

#include <vector>

// Records the registration and every notification, fields and all.
class FakeNotifier : public Notifier {
public:
    explicit FakeNotifier(Journal& journal) : journal_(journal) {}

    void setDelegate(const GrowlDelegate& delegate) override;
    void notify(const GrowlNotification& notification) override;

    std::vector<GrowlDelegate> delegates;
    std::vector<GrowlNotification> notifications;

private:
    Journal& journal_;
};
