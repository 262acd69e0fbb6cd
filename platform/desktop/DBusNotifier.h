#pragma once

#include "platform/Notifier.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QHash>
#include <QString>

#include <memory>
#include <optional>

// Desktop notifications through the freedesktop notification service on the session bus.
// Sending never waits: the call goes out from the event loop once the caller's event has been
// handled, and its reply is ignored, so a missing bus, a missing server or a slow one changes
// nothing for the caller.
//
// As with the registration it stands for, nothing is shown before a delegate is set, and only the
// notifications that the delegate lists as enabled by default are shown.
//
// Bubbles go at normal urgency with the server's own expiry (critical means "stays until
// dismissed" to these servers; only sticky notifications ask for that), under Keyvigil's icon
// and desktop entry. A notification that a state turned on or off ("CAPS LOCK On", "CAPS LOCK
// Off") is transient and replaces the last bubble about the same state rather than stacking.
class DBusNotifier final : public Notifier {
public:
    // Uses the bus at `sessionBusAddress`, connected on the first notification; an empty address
    // (no session bus) leaves notifications off.
    explicit DBusNotifier(const QString& sessionBusAddress);
    explicit DBusNotifier(const QDBusConnection& connection) : connection_(connection) {}

    void setDelegate(const GrowlDelegate& delegate) override;
    void notify(const GrowlNotification& notification) override;

    // Points the whole process, the toolkit's own tray and accessibility connections included,
    // at the session bus the environment names or the user's bus in the runtime folder, and at no
    // bus when there is neither: left alone, the bus library would launch a bus of its own, which
    // outlives the process. Call before the toolkit starts. Returns the address, empty for none.
    static QString useSessionBusOnly();

private:
    void send(const GrowlNotification& notification, const QString& application);
    bool connect();
    void checkServer();

    std::optional<QDBusConnection> connection_;
    QString busAddress_;
    std::optional<GrowlDelegate> delegate_;
    bool connectFailed_ = false;
    std::unique_ptr<QDBusPendingCallWatcher> serverCheck_;
    // The last bubble of each on/off state, as the server numbered it.
    QHash<QString, uint> lastBubble_;
    // Owns the calls still waiting for a bubble's number: gone with the notifier, they call
    // nothing back.
    QObject pendingBubbles_;
};
