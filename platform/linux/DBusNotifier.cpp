#include "platform/linux/DBusNotifier.h"

#include <QDBusMessage>
#include <QVariantMap>

namespace {
// Urgency levels of the notification service.
constexpr uchar kNormal = 1;
constexpr uchar kCritical = 2;
// The highest priority is the emergency level.
constexpr int kEmergencyPriority = 2;
// Expiry: -1 leaves it to the server, 0 keeps the notification until dismissed.
constexpr int kServerDefault = -1;
constexpr int kNeverExpire = 0;
} // namespace

void DBusNotifier::setDelegate(const GrowlDelegate& delegate) {
    delegate_ = delegate;
}

void DBusNotifier::notify(const GrowlNotification& notification) {
    if (!delegate_ || !delegate_->defaultNotifications.contains(notification.notificationName))
        return;
    if (!connection_)
        connection_ = QDBusConnection::sessionBus();
    if (!connection_->isConnected())
        return;

    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("urgency"),
         QVariant::fromValue(notification.priority >= kEmergencyPriority ? kCritical : kNormal)},
    };
    call << delegate_->applicationName << uint(0) << QString() << notification.title
         << notification.description << QStringList() << hints
         << (notification.isSticky ? kNeverExpire : kServerDefault);
    connection_->send(call);
}
