#include "platform/desktop/StatusNotifierHost.h"

#include "platform/desktop/StatusNotifierItem.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString kHostProperty = QStringLiteral("IsStatusNotifierHostRegistered");
const QString kHostRegisteredSignal = QStringLiteral("StatusNotifierHostRegistered");
// Start-up waits this long at most for a watcher that is there but slow to answer: the answer
// decides whether a missing tray is reported.
constexpr int kStartUpReplyTimeoutMs = 500;

QDBusMessage hostRegisteredQuery() {
    QDBusMessage get = QDBusMessage::createMethodCall(
        kWatcherService, kWatcherPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << kWatcherService << kHostProperty;
    // Asking must not start a watcher that the session could activate on demand.
    get.setAutoStartService(false);
    return get;
}

} // namespace

StatusNotifierHost::StatusNotifierHost(const QDBusConnection& bus, const QString& title)
    : bus_(bus), title_(title) {
    // No bus (the process is pointed at none): the notifier has said so already.
    if (!bus_.isConnected())
        return;
    auto* names = new QDBusServiceWatcher(kWatcherService, bus_,
                                          QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(names, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                // A new watcher starts with no hosts; its panel registers one, or has already.
                hostRegistered_ = false;
                if (!newOwner.isEmpty())
                    askWhetherHostRegistered(false);
            });
    bus_.connect(kWatcherService, kWatcherPath, kWatcherService, kHostRegisteredSignal, this,
                 SLOT(hostRegistered()));
    if (bus_.interface()->isServiceRegistered(kWatcherService))
        askWhetherHostRegistered(true);
}

std::unique_ptr<StatusIcon> StatusNotifierHost::makeIcon() {
    if (!available())
        return nullptr;
    return std::make_unique<StatusNotifierItem>(bus_, title_);
}

void StatusNotifierHost::askWhetherHostRegistered(bool waitForReply) {
    if (waitForReply) {
        const QDBusMessage reply =
            bus_.call(hostRegisteredQuery(), QDBus::Block, kStartUpReplyTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage) {
            hostRegistered_ = reply.arguments().value(0).value<QDBusVariant>().variant().toBool();
            return;
        }
        // Too slow for start-up, or failed: asked again without waiting, so a late yes counts.
    }
    auto* call = new QDBusPendingCallWatcher(bus_.asyncCall(hostRegisteredQuery()), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *done;
        // Only a yes counts: the host may register between the question and the answer, and
        // its signal must not be undone by an answer sent before it.
        if (!reply.isError() && reply.value().variant().toBool())
            hostRegistered();
    });
}

void StatusNotifierHost::hostRegistered() {
    const bool wasAvailable = hostRegistered_;
    hostRegistered_ = true;
    if (!wasAvailable && appeared_)
        appeared_();
}
