#include "platform/desktop/DBusNotifier.h"

#include "shared/ProgramLog.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QFileInfo>
#include <QVariantMap>

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// Urgency levels of the notification service.
constexpr uchar kNormal = 1;
constexpr uchar kCritical = 2;
// The highest priority is the emergency level.
constexpr int kEmergencyPriority = 2;
// Expiry: -1 leaves it to the server, 0 keeps the notification until dismissed.
constexpr int kServerDefault = -1;
constexpr int kNeverExpire = 0;
const QString kApplicationId = QStringLiteral("org.keyvigil.Keyvigil");

// The state a notification says turned on or off ("CAPS LOCK" of "CAPS LOCK On"), else empty.
QString onOffState(const QString& name) {
    for (const QLatin1StringView suffix : {QLatin1StringView(" On"), QLatin1StringView(" Off")}) {
        if (name.endsWith(suffix))
            return name.chopped(suffix.size());
    }
    return {};
}
} // namespace

DBusNotifier::DBusNotifier(const QString& sessionBusAddress) : busAddress_(sessionBusAddress) {
    if (busAddress_.isEmpty())
        qCWarning(programLog, "no session bus (DBUS_SESSION_BUS_ADDRESS is not set and there is "
                              "no bus in the runtime folder): notifications are off");
}

QString DBusNotifier::useSessionBusOnly() {
    QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (address.isEmpty() && !runtime.isEmpty() && QFileInfo::exists(runtime + "/bus"))
        address = QStringLiteral("unix:path=") + runtime + QStringLiteral("/bus");
    // An address of a type no transport knows makes every connection fail at once.
    qputenv("DBUS_SESSION_BUS_ADDRESS",
            address.isEmpty() ? QByteArray("disabled:") : QFile::encodeName(address));
    return address;
}

bool DBusNotifier::connect() {
    if (connection_)
        return connection_->isConnected();
    if (busAddress_.isEmpty() || connectFailed_)
        return false;
    QDBusConnection bus = QDBusConnection::connectToBus(busAddress_, QStringLiteral("keyvigil"));
    if (!bus.isConnected()) {
        connectFailed_ = true;
        qCWarning(programLog).noquote() << "cannot connect to the session bus at" << busAddress_
                                        << "(" + bus.lastError().message() + "):"
                                        << "notifications are off";
        return false;
    }
    connection_ = bus;
    return true;
}

void DBusNotifier::checkServer() {
    // Asked once, without waiting: a session without a notifications server shows nothing.
    // The notifier owns the call, so one still unanswered when it goes is freed with it.
    if (serverCheck_ || !connect())
        return;
    const QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kPath, kInterface, QStringLiteral("GetServerInformation"));
    serverCheck_ = std::make_unique<QDBusPendingCallWatcher>(connection_->asyncCall(call));
    QObject::connect(serverCheck_.get(), &QDBusPendingCallWatcher::finished, serverCheck_.get(),
                     [](QDBusPendingCallWatcher* finished) {
                         if (finished->isError())
                             qCWarning(programLog).noquote()
                                 << "no notifications server on the session bus (" +
                                        finished->error().message() +
                                        "): notifications are not shown until one starts";
                     });
}

void DBusNotifier::setDelegate(const GrowlDelegate& delegate) {
    delegate_ = delegate;
    checkServer();
}

void DBusNotifier::notify(const GrowlNotification& notification) {
    if (!delegate_ || !delegate_->defaultNotifications.contains(notification.notificationName))
        return;
    // Sent once the event that asked for it has been handled: waking the bus's thread now would
    // hold back the indicators that the same change redraws after this call. Queued calls keep
    // their order; a notifier that goes takes the unsent ones with it.
    QMetaObject::invokeMethod(
        &pendingBubbles_,
        [this, notification, application = delegate_->applicationName] {
            send(notification, application);
        },
        Qt::QueuedConnection);
}

void DBusNotifier::send(const GrowlNotification& notification, const QString& application) {
    if (!connect())
        return;

    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    const bool stays = notification.isSticky;
    QVariantMap hints{
        {QStringLiteral("urgency"),
         QVariant::fromValue(stays && notification.priority >= kEmergencyPriority ? kCritical
                                                                                  : kNormal)},
        {QStringLiteral("desktop-entry"), kApplicationId},
        {QStringLiteral("category"), QStringLiteral("device")},
    };
    const QString state = onOffState(notification.notificationName);
    if (!state.isEmpty())
        hints.insert(QStringLiteral("transient"), true);
    call << application << lastBubble_.value(state, 0) << kApplicationId << notification.title
         << notification.description << QStringList() << hints
         << (stays ? kNeverExpire : kServerDefault);
    if (state.isEmpty()) {
        connection_->send(call);
        return;
    }
    // The bubble's number comes back later; the next one about the state replaces it.
    auto* pending = new QDBusPendingCallWatcher(connection_->asyncCall(call), &pendingBubbles_);
    QObject::connect(pending, &QDBusPendingCallWatcher::finished, &pendingBubbles_,
                     [this, pending, state] {
                         const QDBusPendingReply<uint> reply = *pending;
                         if (reply.isValid())
                             lastBubble_.insert(state, reply.value());
                         pending->deleteLater();
                     });
}
