#include "platform/x11/SystemTrayWatcher.h"

#include "platform/x11/X11Connection.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

#include <X11/Xlib.h>

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

SystemTrayWatcher::SystemTrayWatcher() : bus_(QDBusConnection::sessionBus()) {
    watchBus();
    watchTraySelection();
}

SystemTrayWatcher::~SystemTrayWatcher() = default;

void SystemTrayWatcher::watchBus() {
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

void SystemTrayWatcher::askWhetherHostRegistered(bool waitForReply) {
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

void SystemTrayWatcher::hostRegistered() {
    const bool wasAvailable = available();
    hostRegistered_ = true;
    announceIfAppeared(wasAvailable);
}

void SystemTrayWatcher::watchTraySelection() {
    x11_ = std::make_unique<X11Connection>();
    if (!x11_->isOpen())
        return;
    Display* display = x11_->display();
    const QByteArray selection = "_NET_SYSTEM_TRAY_S" + QByteArray::number(DefaultScreen(display));
    traySelection_ = XInternAtom(display, selection.constData(), False);
    managerAtom_ = XInternAtom(display, "MANAGER", False);
    x11_->setEventHandler([this](XEvent& event) { trayEvent(event); });
    // A tray that takes the selection tells every client so in a MANAGER message on the root.
    XSelectInput(display, DefaultRootWindow(display), StructureNotifyMask);
    findTrayOwner();
    x11_->processPendingEvents();
}

void SystemTrayWatcher::findTrayOwner() {
    Display* display = x11_->display();
    // A tray ends with its owner window. The selection is asked again once that window is
    // watched, so that an owner gone in between is not kept as a live tray.
    Window owner = XGetSelectionOwner(display, traySelection_);
    while (owner != None) {
        XSelectInput(display, owner, StructureNotifyMask);
        const Window again = XGetSelectionOwner(display, traySelection_);
        if (again == owner)
            break;
        owner = again;
    }
    trayOwner_ = owner;
}

void SystemTrayWatcher::trayEvent(const XEvent& event) {
    const bool wasAvailable = available();
    if (event.type == ClientMessage && event.xclient.message_type == managerAtom_ &&
        Atom(event.xclient.data.l[1]) == traySelection_)
        findTrayOwner();
    else if (event.type == DestroyNotify && trayOwner_ != 0 &&
             event.xdestroywindow.window == trayOwner_)
        findTrayOwner();
    else
        return;
    announceIfAppeared(wasAvailable);
}

void SystemTrayWatcher::announceIfAppeared(bool wasAvailable) {
    if (!wasAvailable && available() && appeared_)
        appeared_();
}
