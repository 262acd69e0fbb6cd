#pragma once

#include "platform/Notifier.h"

#include <QDBusConnection>
#include <QString>

#include <optional>

// Desktop notifications through the freedesktop notification service on the session bus.
// Sending never waits: the call is queued and its reply is ignored, so a missing bus, a missing
// server or a slow one changes nothing for the caller.
//
// As with the registration it stands for, nothing is shown before a delegate is set, and only the
// notifications that the delegate lists as enabled by default are shown.
class DBusNotifier final : public Notifier {
public:
    // Uses the session bus, connected on the first notification.
    DBusNotifier() = default;
    explicit DBusNotifier(const QDBusConnection& connection) : connection_(connection) {}

    void setDelegate(const GrowlDelegate& delegate) override;
    void notify(const GrowlNotification& notification) override;

private:
    std::optional<QDBusConnection> connection_;
    std::optional<GrowlDelegate> delegate_;
};
