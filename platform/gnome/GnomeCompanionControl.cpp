#include "platform/gnome/GnomeCompanionControl.h"

#include "platform/gnome/ShellCompanion.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

const QString GnomeCompanionControl::kUuid = QStringLiteral("keyvigil@keyvigil.org");

namespace {

// The Shell's extension states (js/misc/extensionUtils.js).
enum ShellExtensionState {
    kEnabled = 1,
    kDisabled = 2,
    kError = 3,
    kOutOfDate = 4,
    kInitialized = 6
};

QDBusMessage callShell(const QString& method, const QString& uuid) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
        QStringLiteral("org.gnome.Shell.Extensions"), method);
    message << uuid;
    return QDBusConnection::sessionBus().call(message, QDBus::Block, 3000);
}

// One of the Shell's lists of extensions (enabled-extensions, disabled-extensions, which wins), as
// gsettings prints it ("['a@b', 'c@d']", "@as []"); nullopt when it cannot be read.
std::optional<QStringList> extensionList(const QString& key) {
    QProcess gsettings;
    gsettings.start(QStringLiteral("gsettings"),
                    {QStringLiteral("get"), QStringLiteral("org.gnome.shell"), key});
    if (!gsettings.waitForFinished(3000) || gsettings.exitStatus() != QProcess::NormalExit ||
        gsettings.exitCode() != 0)
        return std::nullopt;
    QStringList uuids;
    static const QRegularExpression item(QStringLiteral("'([^'\\\\]*)'"));
    for (const QRegularExpressionMatch& match :
         item.globalMatch(QString::fromUtf8(gsettings.readAllStandardOutput())))
        uuids << match.captured(1);
    return uuids;
}

bool setExtensionList(const QString& key, const QStringList& uuids) {
    QStringList quoted;
    for (const QString& uuid : uuids)
        quoted << u'\'' + uuid + u'\'';
    return QProcess::execute(QStringLiteral("gsettings"),
                             {QStringLiteral("set"), QStringLiteral("org.gnome.shell"), key,
                              u'[' + quoted.join(QStringLiteral(", ")) + u']'}) == 0;
}

const QString kEnabledKey = QStringLiteral("enabled-extensions");
const QString kDisabledKey = QStringLiteral("disabled-extensions");

unsigned runningVersion() {
    QDBusMessage get = QDBusMessage::createMethodCall(
        ShellCompanion::kService, QStringLiteral("/org/keyvigil/Keyvigil/Shell"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << ShellCompanion::kService << QStringLiteral("Version");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(get, QDBus::Block, 2000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return 0;
    return reply.arguments().constFirst().value<QDBusVariant>().variant().toUInt();
}

} // namespace

CompanionStatus GnomeCompanionControl::status() {
    CompanionStatus status;
    const std::optional<QStringList> enabled = extensionList(kEnabledKey);
    const std::optional<QStringList> disabled = extensionList(kDisabledKey);
    status.enabled =
        enabled && enabled->contains(kUuid) && !(disabled && disabled->contains(kUuid));
    const QDBusMessage reply = callShell(QStringLiteral("GetExtensionInfo"), kUuid);
    QVariantMap info;
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        info = qdbus_cast<QVariantMap>(reply.arguments().constFirst());
    switch (info.value(QStringLiteral("state")).toInt()) {
    case kEnabled:
        status.state = CompanionState::Running;
        status.version = runningVersion();
        return status;
    case kDisabled:
    case kInitialized:
        status.state = CompanionState::Disabled;
        return status;
    case kError:
    case kOutOfDate:
        status.state = CompanionState::Failed;
        status.error = info.value(QStringLiteral("error")).toString();
        return status;
    default:
        break;
    }
    // The Shell does not know it: installed since it started, or not at all.
    const bool installed = !QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                   QStringLiteral("gnome-shell/extensions/") +
                                                       kUuid + QStringLiteral("/metadata.json"))
                                .isEmpty();
    status.state = installed ? CompanionState::NotLoaded : CompanionState::Missing;
    return status;
}

std::optional<QString> GnomeCompanionControl::enable() {
    const QDBusMessage reply = callShell(QStringLiteral("EnableExtension"), kUuid);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
        reply.arguments().constFirst().toBool())
        return std::nullopt;
    // The Shell has not loaded it: listed, and off the list of those kept off, it runs from the
    // next login.
    std::optional<QStringList> enabled = extensionList(kEnabledKey);
    std::optional<QStringList> disabled = extensionList(kDisabledKey);
    if (!enabled || !disabled)
        return tr("GNOME's settings cannot be read (gsettings)");
    if (disabled->removeAll(kUuid) > 0 && !setExtensionList(kDisabledKey, *disabled))
        return tr("GNOME's settings cannot be changed (gsettings)");
    if (!enabled->contains(kUuid) && !setExtensionList(kEnabledKey, *enabled << kUuid))
        return tr("GNOME's settings cannot be changed (gsettings)");
    return std::nullopt;
}
