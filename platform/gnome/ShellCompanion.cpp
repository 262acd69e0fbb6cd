#include "platform/gnome/ShellCompanion.h"

#include "platform/gnome/CompanionVersion.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>

#include <systemd/sd-bus.h>

const QString ShellCompanion::kService = QStringLiteral("org.keyvigil.Keyvigil.Shell");

namespace {

const QString kPath = QStringLiteral("/org/keyvigil/Keyvigil/Shell");
const QString kInterface = QStringLiteral("org.keyvigil.Keyvigil.Shell");
// A Shell busy drawing answers late; a helper must not hang on it.
constexpr int kCallTimeout = 2000;

QDBusMessage call(const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(ShellCompanion::kService, kPath, kInterface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, kCallTimeout);
}

} // namespace

ShellCompanion::ShellCompanion() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(kService, kPath, kInterface, QStringLiteral("LocksChanged"), this,
                SLOT(LocksChanged(bool, bool)));
    bus.connect(kService, kPath, kInterface, QStringLiteral("FrontChanged"), this,
                SLOT(FrontChanged(int, QString)));
    watcher_ =
        new QDBusServiceWatcher(kService, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& owner) {
                const bool present = !owner.isEmpty();
                if (present)
                    fetchState();
                if (presenceHandler_)
                    presenceHandler_(present);
            });
    fetchState();
}

ShellCompanion::~ShellCompanion() = default;

bool ShellCompanion::answers() {
    // Asked while the backend is chosen, before the application object (and the toolkit's own
    // bus connection) exists: a short connection of its own.
    sd_bus* bus = nullptr;
    if (sd_bus_open_user(&bus) < 0)
        return false;
    sd_bus_message* reply = nullptr;
    const QByteArray service = kService.toUtf8();
    const QByteArray path = kPath.toUtf8();
    const QByteArray interface = kInterface.toUtf8();
    const bool answered =
        sd_bus_call_method(bus, service.constData(), path.constData(), interface.constData(),
                           "GetLocks", nullptr, &reply, "") >= 0;
    sd_bus_message_unref(reply);
    sd_bus_flush_close_unref(bus);
    return answered;
}

unsigned ShellCompanion::hello() {
    const QDBusMessage reply = call(QStringLiteral("Hello"), {kCompanionInterfaceVersion});
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
               ? reply.arguments().constFirst().toUInt()
               : 0;
}

void ShellCompanion::fetchState() {
    const QDBusMessage locks = call(QStringLiteral("GetLocks"));
    if (locks.type() == QDBusMessage::ReplyMessage && locks.arguments().size() == 2)
        LocksChanged(locks.arguments()[0].toBool(), locks.arguments()[1].toBool());
    const QDBusMessage front = call(QStringLiteral("GetFront"));
    if (front.type() == QDBusMessage::ReplyMessage && front.arguments().size() == 2)
        FrontChanged(front.arguments()[0].toInt(), front.arguments()[1].toString());
}

ShellCompanion::Monitor ShellCompanion::monitor() {
    const QDBusMessage reply = call(QStringLiteral("GetMonitor"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 5)
        return {};
    const QVariantList& a = reply.arguments();
    const double scale = a[4].toDouble();
    return {QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt()),
            scale >= 1 ? scale : 1.0};
}

void ShellCompanion::setLocksHandler(std::function<void(const LockState&)> handler) {
    locksHandler_ = std::move(handler);
}

void ShellCompanion::setFrontHandler(std::function<void(int)> handler) {
    frontHandler_ = std::move(handler);
}

void ShellCompanion::setPresenceHandler(std::function<void(bool)> handler) {
    presenceHandler_ = std::move(handler);
}

void ShellCompanion::LocksChanged(bool caps, bool num) {
    locks_ = {caps, num};
    if (locksHandler_)
        locksHandler_(locks_);
}

void ShellCompanion::FrontChanged(int pid, const QString&) {
    frontPid_ = pid;
    if (frontHandler_)
        frontHandler_(pid);
}

void ShellCompanion::show(const QString& id, const QString& placement, const QPoint& topLeft,
                          const QSize& size, const PixelImage& picture) {
    // In RGBA byte order on every machine, as the companion hands them to the Shell.
    QByteArray bytes(qsizetype(picture.byteCount()), Qt::Uninitialized);
    auto* out = reinterpret_cast<unsigned char*>(bytes.data());
    for (int y = 0; y < picture.height(); ++y)
        for (const std::uint32_t* word = picture.row(y); word != picture.row(y) + picture.width();
             ++word, out += 4) {
            out[0] = static_cast<unsigned char>(*word >> 16);
            out[1] = static_cast<unsigned char>(*word >> 8);
            out[2] = static_cast<unsigned char>(*word);
            out[3] = static_cast<unsigned char>(*word >> 24);
        }
    QDBusMessage message =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Show"));
    message << id << placement << topLeft.x() << topLeft.y() << size.width() << size.height()
            << picture.width() << picture.height() << bytes;
    QDBusConnection::sessionBus().call(message, QDBus::NoBlock);
}

void ShellCompanion::hide(const QString& id) {
    QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Hide")) << id,
        QDBus::NoBlock);
}
